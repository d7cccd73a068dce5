#include "foundation/builtinimages.h"

#include <QStringList>

// The pictures are compiled into the static core library, whose resources must be registered
// by hand before the first use.
static void EnsureResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(quorix);
        return true;
    }();
    Q_UNUSED(registered);
}

QIcon ImageListOrig(int index)
{
    EnsureResources();
    static const char *const names[] = {"system-shutdown", nullptr, "preferences-system", "help-browser",
                                        "user-trash", "system-run", "preferences-desktop", "computer",
                                        "printer"};
    if (index == biQuorix)
        return QIcon(QStringLiteral(":/icons/quorix.svg"));
    if (index < 0 || index >= int(std::size(names)))
        return {};
    return QIcon::fromTheme(QString::fromLatin1(names[index]));
}

void SetUpIconTheme()
{
    const QString theme = QIcon::themeName();
    if (theme.isEmpty() || theme == QStringLiteral("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    QIcon::setFallbackThemeName(QStringLiteral("hicolor"));
}
