// TTBXQuorixTheme: the painter of Quorix's menu toolbar and its popup menus, a flat look with a
// single-colour bar, filled and framed highlights on bar items, a one-pixel border around popups
// that opens towards the bar item it drops from, a horizontal gradient behind the highlighted popup
// item and an optional drop shadow. Everything else is drawn by Qt's Fusion style underneath.
//
// It is a style for the bar's QMenuBar and QMenus only (ApplyMenuStyle in menustyle.h sets it on
// them); it is not meant to be the application's style.
#pragma once

#include "appearance/menupaintercolors.h"

#include <QColor>
#include <QProxyStyle>
#include <QString>

class QMenu;
struct ThemeColors;

class TTBXQuorixTheme : public QProxyStyle
{
    Q_OBJECT

public:
    // The name the painter is selected by.
    static inline const QString ThemeName = QStringLiteral("Quorix");
    // Width of the shadow band on the right and at the bottom of popups while shadows are on.
    static constexpr int ShadowSize = 4;

    // A painter over Fusion with the derived default colours; the caller owns it.
    static TTBXQuorixTheme *Create();
    // base: the style underneath (taken over); Fusion when null.
    explicit TTBXQuorixTheme(QStyle *base = nullptr);
    ~TTBXQuorixTheme() override;

    const MenuPainterColors &Colors() const { return m_colors; }
    // Replaces the colour model and repaints (and re-lays out, for the shadow) the widgets drawn.
    void SetColors(const MenuPainterColors &colors);
    // Takes the colours a theme decides (ApplyTheme); the rest of the model stays.
    void ApplyThemeColors(const ThemeColors &theme);
    bool DropShadow() const { return m_colors.dropShadow; }
    void SetDropShadow(bool on);

    // The painting colour of a surface and of item states (desktop colours resolved; an item fill
    // without a colour of its own is the surface's).
    QColor ViewColor(TViewKind kind) const;
    QColor BarItemFill(TBarItemState state) const;
    QColor PopupItemFill(TPopupItemState state) const;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    void polish(QWidget *widget) override;
    void unpolish(QWidget *widget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QColor Resolve(TColor color) const;
    QColor ReadableText(TColor text, const QColor &background) const;
    void ApplyPopupMargins(QMenu *menu, bool bottomBand = true) const;
    void DropBottomBandAboveBar(QMenu *menu) const;
    void RefreshStyledWidgets(bool relayout);

    void DrawBarItem(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    void DrawBarItemLabel(const QStyleOption *option, QPainter *painter, const QColor &text) const;
    void DrawPopupPanel(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    void OpenTowardsBarItem(QPainter *painter, const QWidget *widget, const QRect &panel) const;
    void DrawPopupItem(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    void DrawSeparator(const QStyleOption *option, QPainter *painter) const;
    void DrawItemHighlight(QPainter *painter, const QRect &rect) const;
    void DrawCheck(const QStyleOption *option, QPainter *painter, const QRect &area, const QColor &text,
                   const QColor &background) const;
    void DrawItemTexts(const QStyleOption *option, QPainter *painter, const QRect &textRect,
                       const QColor &text) const;
    void DrawSubmenuArrow(QPainter *painter, const QRect &itemRect, const QColor &text) const;
    void DrawScroller(const QStyleOption *option, QPainter *painter) const;
    bool IsShowingSubmenu(const QStyleOption *option, const QWidget *widget) const;
    int IconColumnWidth(const QStyleOption *option) const;

    MenuPainterColors m_colors;
};
