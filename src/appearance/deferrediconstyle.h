// The application's style as the desktop chose it, except that the icons Qt asks for while it
// makes the bar's widgets (the overflow buttons of menu bars and toolbars) are looked up when they
// are first shown. Installed once, right after the application object, before any widget exists.
#pragma once

#include <QProxyStyle>

class DeferredIconStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Wraps a fresh instance of the style the application uses now (its name, for example
    // from -style, picks the same kind of style).
    static void InstallOnApplication();

    explicit DeferredIconStyle(QStyle *base);

    QIcon standardIcon(StandardPixmap which, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
