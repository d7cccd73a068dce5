#include "app/builtinimages.h"

#include <QStringList>

QIcon ImageListOrig(int index)
{
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
