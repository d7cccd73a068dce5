#include "foundation/formplacement.h"

#include "foundation/datafiles.h"
#include "base/inifile.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace {
const QString kSizes = QStringLiteral("sizes");

QRect ScreenRect()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QString KeyFor(const QWidget *form, const char *suffix)
{
    return form->objectName() + QLatin1String(suffix);
}
} // namespace

QPointPair ClampedFormPosition(int x, int y, int formWidth, int formHeight, const QRect &screen)
{
    x = qMax(x, 20);
    y = qMax(y, 20);
    if (x > screen.width())
        x = screen.width() - formWidth;
    if (y > screen.height())
        y = screen.height() - formHeight;
    return {x, y};
}

void RestoreFormPosition(QWidget *form)
{
    IniFile settings(DataFilePath(dfSettings));
    const int x = settings.ReadInteger(kSizes, KeyFor(form, "-X"), 20);
    const int y = settings.ReadInteger(kSizes, KeyFor(form, "-Y"), 20);
    const QPointPair position = ClampedFormPosition(x, y, form->width(), form->height(), ScreenRect());
    form->move(position.x, position.y);
}

void SaveFormPosition(const QWidget *form)
{
    IniFile settings(DataFilePath(dfSettings));
    settings.SetAutoSave(false);
    settings.WriteInteger(kSizes, KeyFor(form, "-X"), form->x());
    settings.WriteInteger(kSizes, KeyFor(form, "-Y"), form->y());
    settings.UpdateFile();
}

void RestoreFormSize(QWidget *form)
{
    IniFile settings(DataFilePath(dfSettings));
    const QRect screen = ScreenRect();
    const int width = settings.ReadInteger(kSizes, KeyFor(form, "-W"), form->width());
    const int height = settings.ReadInteger(kSizes, KeyFor(form, "-H"), form->height());
    form->resize(qMin(width, screen.width()), qMin(height, screen.height()));
}

void SaveFormSize(const QWidget *form)
{
    IniFile settings(DataFilePath(dfSettings));
    settings.SetAutoSave(false);
    settings.WriteInteger(kSizes, KeyFor(form, "-W"), form->width());
    settings.WriteInteger(kSizes, KeyFor(form, "-H"), form->height());
    settings.UpdateFile();
}
