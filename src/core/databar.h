// What the data module needs of the bar window. The bar sits above the data module, so the module
// never includes it: the bar implements this and attaches itself.
#pragma once

class QLabel;
class QStyle;
class QWidget;

class DataBar
{
public:
    virtual ~DataBar() = default;

    virtual QWidget *BarWindow() = 0;
    // Whether the bar turns opaque while it is active ("menu_noalphaonactivate").
    virtual bool OpaqueWhileActive() const = 0;
    // 255 opaque; the value the bar returns to when it is not active.
    virtual int BlendValue() const = 0;
    // Shows the bar with a blend value without changing the stored one.
    virtual void SetBlend(int value) = 0;
    // The menu painter the bar and its menus are drawn with, and the marquee label.
    virtual QStyle *MenuStyle() const = 0;
    virtual QLabel *Marquee() const = 0;
    // Reads every data file again and rebuilds the bar.
    virtual void RefreshMenu1Click() = 0;
};
