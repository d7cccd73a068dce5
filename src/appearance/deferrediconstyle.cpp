#include "appearance/deferrediconstyle.h"

#include "appearance/deferredstandardiconengine.h"

#include <QApplication>
#include <QStyleFactory>

void DeferredIconStyle::InstallOnApplication()
{
    QStyle *current = QApplication::style();
    QStyle *base = current ? QStyleFactory::create(current->name()) : nullptr;
    if (!base)
        return; // a style that cannot be made again by its name stays as it is
    QApplication::setStyle(new DeferredIconStyle(base));
}

DeferredIconStyle::DeferredIconStyle(QStyle *base) : QProxyStyle(base)
{
    // Keeps the name of the style it wraps, as the desktop and the user know it.
    setObjectName(base->objectName());
}

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption *option,
                                      const QWidget *widget) const
{
    // Only what is asked without an option: those depend on nothing but the style.
    if (!option
        && (which == SP_ToolBarHorizontalExtensionButton
            || which == SP_ToolBarVerticalExtensionButton))
        return QIcon(new DeferredStandardIconEngine(baseStyle(), which));
    return QProxyStyle::standardIcon(which, option, widget);
}
