#include "appearance/ttbxquorixtheme.h"

#include "appearance/colorconversion.h"
#include "appearance/popupshadow.h"
#include "appearance/themecolors.h"
#include "controls/paintgradient.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace {

const char *const kShadowProperty = "quorixShadowSize";
const char *const kShadowBottomProperty = "quorixShadowBottom";

// Popup item geometry, in pixels.
constexpr int kItemVerticalPadding = 6;  // added to the taller of text and icon
constexpr int kIconColumnPadding = 4;    // around the icon / check column
constexpr int kTextGap = 8;              // between the icon column and the text
constexpr int kArrowColumn = 16;         // at the right end, for submenu arrows
constexpr int kShortcutGap = 16;         // between the caption and its shortcut
constexpr int kSeparatorHeight = 7;
constexpr int kToolBarSeparatorExtent = 8;
constexpr int kBarItemExtraWidth = 8;    // air beside the captions of bar items

int Luminance(const QColor &color)
{
    return (color.red() * 299 + color.green() * 587 + color.blue() * 114) / 1000;
}

QColor Mix(const QColor &from, const QColor &to, int percent)
{
    const auto mix = [percent](int a, int b) { return a + (b - a) * percent / 100; };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

// The shadow bands a popup was given: on its right and at its bottom.
QSize ShadowBandsOf(const QWidget *widget)
{
    if (!widget)
        return QSize();
    return QSize(widget->property(kShadowProperty).toInt(), widget->property(kShadowBottomProperty).toInt());
}

const QMenuBar *OpeningBar(const QMenu *menu)
{
    QAction *action = menu->menuAction();
    for (QObject *object : action->associatedObjects()) {
        const auto *bar = qobject_cast<const QMenuBar *>(object);
        if (bar && bar->isVisible() && bar->activeAction() == action)
            return bar;
    }
    return nullptr;
}

// True for a popup dropped from a bar item that opened upwards: it ends right above the item.
bool OpensAboveBarItem(const QMenu *menu)
{
    const QMenuBar *bar = OpeningBar(menu);
    if (!bar)
        return false;
    const QRect item = bar->actionGeometry(menu->menuAction());
    return menu->geometry().bottom() + 1 == bar->mapToGlobal(item.topLeft()).y();
}

QString CaptionOf(const QString &text)
{
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    return tab < 0 ? text : text.left(tab);
}

QString ShortcutOf(const QString &text)
{
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    return tab < 0 ? QString() : text.mid(tab + 1);
}

} // namespace

TTBXQuorixTheme *TTBXQuorixTheme::Create()
{
    return new TTBXQuorixTheme;
}

TTBXQuorixTheme::TTBXQuorixTheme(QStyle *base)
    : QProxyStyle(base ? base : QStyleFactory::create(QStringLiteral("Fusion")))
    , m_colors(MenuPainterColors::Derived())
{
    setObjectName(ThemeName);
}

TTBXQuorixTheme::~TTBXQuorixTheme() = default;

void TTBXQuorixTheme::SetColors(const MenuPainterColors &colors)
{
    const bool shadowChanged = colors.dropShadow != m_colors.dropShadow;
    m_colors = colors;
    RefreshStyledWidgets(shadowChanged);
}

void TTBXQuorixTheme::ApplyThemeColors(const ThemeColors &theme)
{
    MenuPainterColors colors = m_colors;
    colors.ApplyTheme(theme);
    SetColors(colors);
}

void TTBXQuorixTheme::SetDropShadow(bool on)
{
    MenuPainterColors colors = m_colors;
    colors.dropShadow = on;
    SetColors(colors);
}

void TTBXQuorixTheme::RefreshStyledWidgets(bool relayout)
{
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        if (widget->style() != this)
            continue;
        if (auto *menu = qobject_cast<QMenu *>(widget); menu && relayout)
            ApplyPopupMargins(menu);
        widget->update();
    }
}

QColor TTBXQuorixTheme::Resolve(TColor color) const
{
    return ColorToQColor(color);
}

// Entries the theme does not set (disabled text, check marks) must stay readable on whatever
// colours the theme gives the surfaces around them.
QColor TTBXQuorixTheme::ReadableText(TColor text, const QColor &background) const
{
    QColor color = Resolve(text);
    if (!color.isValid())
        color = Resolve(m_colors.popupItems[pisNormal].text);
    if (!background.isValid())
        return color;
    const QColor extreme = Luminance(background) >= 128 ? QColor(Qt::black) : QColor(Qt::white);
    for (int percent = 0; percent < 100; percent += 10) {
        const QColor candidate = Mix(color, extreme, percent);
        if (std::abs(Luminance(candidate) - Luminance(background)) >= 80)
            return candidate;
    }
    return extreme;
}

// A surface without a colour ("None" in a theme) shows the desktop's colour for it.
QColor TTBXQuorixTheme::ViewColor(TViewKind kind) const
{
    const QColor color = Resolve(m_colors.ViewColor(kind));
    if (color.isValid())
        return color;
    return Resolve(kind == vkPopup ? clMenu : clBtnFace);
}

QColor TTBXQuorixTheme::BarItemFill(TBarItemState state) const
{
    const QColor fill = Resolve(m_colors.barItems[state].fill);
    return fill.isValid() ? fill : ViewColor(vkBar);
}

QColor TTBXQuorixTheme::PopupItemFill(TPopupItemState state) const
{
    const QColor fill = Resolve(m_colors.popupItems[state].fill);
    return fill.isValid() ? fill : ViewColor(vkPopup);
}

void TTBXQuorixTheme::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    if (auto *menu = qobject_cast<QMenu *>(widget)) {
        menu->installEventFilter(this);
        ApplyPopupMargins(menu);
    }
}

void TTBXQuorixTheme::unpolish(QWidget *widget)
{
    if (auto *menu = qobject_cast<QMenu *>(widget)) {
        menu->removeEventFilter(this);
        menu->setContentsMargins(0, 0, 0, 0);
        menu->setProperty(kShadowProperty, QVariant());
        menu->setProperty(kShadowBottomProperty, QVariant());
        ReleasePopupBackdrop(menu);
    }
    QProxyStyle::unpolish(widget);
}

// The popup's frame is drawn inside its contents margins, and the shadow bands beyond them on the
// right and at the bottom, so Qt lays the items out within the frame.
void TTBXQuorixTheme::ApplyPopupMargins(QMenu *menu, bool bottomBand) const
{
    const int shadow = m_colors.dropShadow ? ShadowSize : 0;
    const int bottom = bottomBand ? shadow : 0;
    menu->setProperty(kShadowProperty, shadow);
    menu->setProperty(kShadowBottomProperty, bottom);
    menu->setContentsMargins(1, 1, 1 + shadow, 1 + bottom);
}

// A popup that opens upwards from the bar would have its bottom band between its panel and the bar
// item, or, moved down, over the item whose look changes while the popup shows. It drops that band
// and keeps the one on its right.
void TTBXQuorixTheme::DropBottomBandAboveBar(QMenu *menu) const
{
    const QSize bands = ShadowBandsOf(menu);
    if (bands.height() <= 0 || !OpensAboveBarItem(menu))
        return;
    const QRect geometry = menu->geometry();
    ApplyPopupMargins(menu, false);
    menu->setGeometry(geometry.adjusted(0, bands.height(), 0, 0));
}

bool TTBXQuorixTheme::eventFilter(QObject *watched, QEvent *event)
{
    auto *menu = qobject_cast<QMenu *>(watched);
    if (menu && menu->style() == this) {
        const QSize bands = ShadowBandsOf(menu);
        if (event->type() == QEvent::Show && bands.width() > 0) {
            DropBottomBandAboveBar(menu);
            CapturePopupBackdrop(menu);
        } else if (event->type() == QEvent::Hide) {
            ReleasePopupBackdrop(menu);
            if (bands.width() > 0 && bands.height() == 0)
                ApplyPopupMargins(menu);
        }
    }
    return QProxyStyle::eventFilter(watched, event);
}

int TTBXQuorixTheme::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_MenuPanelWidth: // the frame lies in the contents margins
    case PM_MenuHMargin:
    case PM_MenuBarPanelWidth: // the bar has no raised edges
    case PM_MenuBarVMargin:
    case PM_MenuBarHMargin:
    case PM_MenuBarItemSpacing:
    case PM_MenuDesktopFrameWidth:
        return 0;
    case PM_MenuVMargin:
        return 1;
    case PM_ToolBarSeparatorExtent:
        return kToolBarSeparatorExtent;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int TTBXQuorixTheme::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                               QStyleHintReturn *returnData) const
{
    switch (hint) {
    case SH_Menu_AllowActiveAndDisabled: // the keyboard walks over disabled items too
    case SH_MenuBar_MouseTracking:
    case SH_Menu_MouseTracking:
        return 1;
    case SH_Menu_FlashTriggeredItem:
    case SH_Menu_FadeOutOnHide:
        return 0;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

QSize TTBXQuorixTheme::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                        const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (type == CT_MenuBarItem)
        return QProxyStyle::sizeFromContents(type, option, size, widget) + QSize(kBarItemExtraWidth, 0);
    if (type != CT_MenuItem || !item)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    if (item->menuItemType == QStyleOptionMenuItem::Separator)
        return QSize(size.width(), kSeparatorHeight);
    const int iconExtent = proxy()->pixelMetric(PM_SmallIconSize, option, widget);
    int width = size.width() + IconColumnWidth(option) + kTextGap + kArrowColumn;
    if (item->text.contains(QLatin1Char('\t')))
        width += kShortcutGap;
    const int height = qMax(size.height(), iconExtent) + kItemVerticalPadding;
    return QSize(width, height);
}

int TTBXQuorixTheme::IconColumnWidth(const QStyleOption *option) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    const int iconExtent = proxy()->pixelMetric(PM_SmallIconSize, option);
    const int widest = qMax(item ? item->maxIconWidth : 0, iconExtent);
    return widest + 2 * kIconColumnPadding;
}

void TTBXQuorixTheme::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                    const QWidget *widget) const
{
    switch (element) {
    case PE_PanelMenuBar:
        painter->fillRect(option->rect, ViewColor(vkBar));
        return;
    case PE_PanelMenu:
        DrawPopupPanel(option, painter, widget);
        return;
    case PE_FrameMenu:
        if (const QColor border = Resolve(m_colors.borderColor); border.isValid()) {
            painter->save();
            painter->setPen(border);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
            painter->restore();
        }
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void TTBXQuorixTheme::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                  const QWidget *widget) const
{
    switch (element) {
    case CE_MenuBarEmptyArea:
        painter->fillRect(option->rect, ViewColor(vkBar));
        return;
    case CE_MenuBarItem:
        DrawBarItem(option, painter, widget);
        return;
    case CE_MenuEmptyArea:
    case CE_MenuHMargin:
    case CE_MenuVMargin:
        DrawPopupPanel(option, painter, widget);
        return;
    case CE_MenuItem:
        DrawPopupItem(option, painter, widget);
        return;
    case CE_MenuScroller:
        DrawScroller(option, painter);
        return;
    default:
        QProxyStyle::drawControl(element, option, painter, widget);
    }
}

// ---- bar items -------------------------------------------------------------------------------

void TTBXQuorixTheme::DrawBarItem(const QStyleOption *option, QPainter *painter, const QWidget *) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (!item)
        return;
    const QRect rect = item->rect;
    const bool enabled = item->state & State_Enabled;
    const bool hot = item->state & State_Selected;
    const bool open = hot && (item->state & State_Sunken);
    const bool checked = item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked;
    const TBarItemState state = BarItemState(enabled, hot, false, checked, open);
    const TItemColors &colors = m_colors.barItems[state];

    painter->save();
    painter->fillRect(rect, ViewColor(vkBar));
    QColor background = ViewColor(vkBar);
    const QColor fill = Resolve(colors.fill);
    const QColor frame = Resolve(colors.frame);
    switch (state) {
    case bisHot:
    case bisOpen:
    case bisDisabledHot:
    case bisCheckedHot:
        if (fill.isValid()) {
            painter->fillRect(rect, fill);
            background = fill;
        }
        if (frame.isValid()) {
            painter->setPen(frame);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(rect.adjusted(0, 0, -1, -1));
        }
        break;
    case bisPushed:
        if (fill.isValid()) {
            painter->fillRect(rect, fill);
            background = fill;
        }
        break;
    case bisChecked:
        if (fill.isValid())
            painter->fillRect(rect.adjusted(1, 1, -1, -1), fill);
        break;
    case bisNormal:
    case bisDisabled:
    case bisCount:
        break;
    }
    // The theme's own text colours are taken as they are; the derived disabled ones are kept
    // readable on the theme's backgrounds.
    const QColor text = enabled ? Resolve(colors.text) : ReadableText(colors.text, background);
    DrawBarItemLabel(option, painter, text.isValid() ? text : ReadableText(clNone, background));
    painter->restore();
}

void TTBXQuorixTheme::DrawBarItemLabel(const QStyleOption *option, QPainter *painter, const QColor &text) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    int flags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::TextSingleLine;
    if (!proxy()->styleHint(SH_UnderlineShortcut, option))
        flags |= Qt::TextHideMnemonic;
    const int iconExtent = proxy()->pixelMetric(PM_SmallIconSize, option);
    const QIcon::Mode mode = (item->state & State_Enabled) ? QIcon::Normal : QIcon::Disabled;
    const QPixmap pixmap = item->icon.pixmap(QSize(iconExtent, iconExtent), painter->device()->devicePixelRatio(), mode);
    if (!pixmap.isNull()) {
        proxy()->drawItemPixmap(painter, item->rect, flags, pixmap);
        return;
    }
    painter->setPen(text);
    painter->drawText(item->rect, flags, item->text);
}

// ---- popup frame ------------------------------------------------------------------------------

void TTBXQuorixTheme::DrawPopupPanel(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const QRect rect = widget ? widget->rect() : option->rect;
    const QSize bands = ShadowBandsOf(widget);
    const QRect panel = rect.adjusted(0, 0, -bands.width(), -bands.height());
    const QColor popup = ViewColor(vkPopup);
    if (panel != rect)
        PaintPopupShadow(*painter, widget, rect, panel, Mix(popup, Qt::black, 20));
    const QColor border = Resolve(m_colors.borderColor);
    painter->save();
    if (!border.isValid()) { // a theme without borders
        painter->fillRect(panel, popup);
        painter->restore();
        return;
    }
    painter->fillRect(panel.adjusted(1, 1, -1, -1), popup);
    painter->setPen(border);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(panel.adjusted(0, 0, -1, -1));
    OpenTowardsBarItem(painter, widget, panel);
    painter->restore();
}

// Where the popup touches the bar item that dropped it, the shared stretch of its frame takes the
// bar's colour (short of the two end pixels), so item and popup read as one shape.
void TTBXQuorixTheme::OpenTowardsBarItem(QPainter *painter, const QWidget *widget, const QRect &panel) const
{
    const auto *menu = qobject_cast<const QMenu *>(widget);
    const QMenuBar *bar = menu ? OpeningBar(menu) : nullptr;
    if (!bar)
        return;
    const QRect local = bar->actionGeometry(menu->menuAction());
    const QRect item(bar->mapToGlobal(local.topLeft()), local.size());
    const QPoint origin = menu->mapToGlobal(panel.topLeft());
    const QRect global(origin, panel.size());
    const int left = qMax(item.left(), global.left()) + 1;
    const int right = qMin(item.right(), global.right()) - 1;
    if (right < left)
        return;
    int y;
    if (global.top() == item.bottom() + 1)
        y = panel.top();
    else if (global.bottom() + 1 == item.top())
        y = panel.bottom();
    else
        return;
    painter->setPen(ViewColor(vkBar));
    painter->drawLine(left - origin.x() + panel.left(), y, right - origin.x() + panel.left(), y);
}

// ---- popup items ------------------------------------------------------------------------------

void TTBXQuorixTheme::DrawPopupItem(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (!item)
        return;
    painter->save();
    painter->fillRect(item->rect, ViewColor(vkPopup));
    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        DrawSeparator(option, painter);
        painter->restore();
        return;
    }
    const bool enabled = item->state & State_Enabled;
    const bool hot = item->state & State_Selected;
    const TPopupItemState state = PopupItemState(enabled, hot);
    QColor background = ViewColor(vkPopup);
    if (hot) {
        DrawItemHighlight(painter, item->rect);
        background = PopupItemFill(pisHot);
    }
    QColor text = Resolve(m_colors.popupItems[state].text);
    if (!enabled)
        text = ReadableText(m_colors.popupItems[state].text, background);
    else if (hot && IsShowingSubmenu(option, widget))
        text = Resolve(m_colors.highlightText);
    if (!text.isValid())
        text = ReadableText(clNone, background);

    const QRect iconArea(item->rect.left(), item->rect.top(), IconColumnWidth(option), item->rect.height());
    DrawCheck(option, painter, iconArea, text, background);
    const QRect textRect = item->rect.adjusted(iconArea.width() + kTextGap, 0, -kArrowColumn, 0);
    DrawItemTexts(option, painter, textRect, text);
    if (item->menuItemType == QStyleOptionMenuItem::SubMenu)
        DrawSubmenuArrow(painter, item->rect, text);
    painter->restore();
}

void TTBXQuorixTheme::DrawSeparator(const QStyleOption *option, QPainter *painter) const
{
    const QRect rect = option->rect;
    const int y = rect.top() + rect.height() / 2;
    const QColor border = Resolve(m_colors.borderColor);
    if (!border.isValid())
        return;
    painter->setPen(border);
    painter->drawLine(rect.left() + IconColumnWidth(option), y, rect.right() - 1, y);
}

// The hot popup item: the hot fill, or a gradient from it to the gradient end colour, one colour
// per pixel column.
void TTBXQuorixTheme::DrawItemHighlight(QPainter *painter, const QRect &rect) const
{
    const QColor start = PopupItemFill(pisHot);
    const QColor end = Resolve(m_colors.gradientEnd);
    if (m_colors.gradient && end.isValid())
        PaintGradient(*painter, rect, start, end, Qt::Horizontal);
    else
        painter->fillRect(rect, start);
}

void TTBXQuorixTheme::DrawCheck(const QStyleOption *option, QPainter *painter, const QRect &area,
                                const QColor &text, const QColor &background) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    const bool enabled = item->state & State_Enabled;
    const bool checked = item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked;
    const int iconExtent = proxy()->pixelMetric(PM_SmallIconSize, option);
    const int boxSide = iconExtent + 4;
    QRect box(0, 0, boxSide, boxSide);
    box.moveCenter(area.center());
    QColor markBackground = background;
    if (checked && enabled) {
        const TItemColors &colors = m_colors.barItems[bisChecked];
        const bool hot = item->state & (State_Selected | State_Sunken);
        // The painter's own checked fill leans towards the popup colour, so the box sits well in
        // light and dark popups alike.
        const QColor fill = Resolve(colors.fill);
        if (fill.isValid()) {
            markBackground = Mix(fill, ViewColor(vkPopup), 50);
            painter->fillRect(box, markBackground);
        }
        painter->setPen(Resolve(hot ? MenuPainterColors::kBaseColor : colors.frame));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(box.adjusted(0, 0, -1, -1));
    }
    const QIcon::Mode mode = enabled ? QIcon::Normal : QIcon::Disabled;
    const QPixmap pixmap = item->icon.pixmap(QSize(iconExtent, iconExtent), painter->device()->devicePixelRatio(),
                                             mode, checked ? QIcon::On : QIcon::Off);
    if (!pixmap.isNull()) {
        proxy()->drawItemPixmap(painter, area, Qt::AlignCenter, pixmap);
        return;
    }
    if (!checked)
        return;
    const QColor mark = checked && enabled ? ReadableText(ColorFromQColor(text), markBackground) : text;
    painter->setRenderHint(QPainter::Antialiasing);
    const QPointF c = QRectF(box).center();
    if (item->checkType == QStyleOptionMenuItem::Exclusive) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(mark);
        painter->drawEllipse(c, 3.0, 3.0);
    } else {
        QPainterPath tick;
        tick.moveTo(c + QPointF(-4, 0));
        tick.lineTo(c + QPointF(-1.5, 3));
        tick.lineTo(c + QPointF(4, -3.5));
        painter->setPen(QPen(mark, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(tick);
    }
    painter->setRenderHint(QPainter::Antialiasing, false);
}

void TTBXQuorixTheme::DrawItemTexts(const QStyleOption *option, QPainter *painter, const QRect &textRect,
                                    const QColor &text) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    int flags = Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::TextSingleLine;
    if (!proxy()->styleHint(SH_UnderlineShortcut, option))
        flags |= Qt::TextHideMnemonic;
    QFont font = item->font;
    if (item->menuItemType == QStyleOptionMenuItem::DefaultItem)
        font.setBold(true);
    painter->setFont(font);
    painter->setPen(text);
    painter->drawText(textRect, flags | Qt::AlignLeft, CaptionOf(item->text));
    const QString shortcut = ShortcutOf(item->text);
    if (shortcut.isEmpty())
        return;
    if (item->reservedShortcutWidth > 0) {
        const QRect column(textRect.right() - item->reservedShortcutWidth + 1, textRect.top(),
                           item->reservedShortcutWidth, textRect.height());
        painter->drawText(column, (flags & ~Qt::TextShowMnemonic) | Qt::AlignLeft, shortcut);
    } else {
        painter->drawText(textRect, (flags & ~Qt::TextShowMnemonic) | Qt::AlignRight, shortcut);
    }
}

void TTBXQuorixTheme::DrawSubmenuArrow(QPainter *painter, const QRect &itemRect, const QColor &text) const
{
    const int x = itemRect.right() - kArrowColumn + 6;
    const int y = itemRect.top() + itemRect.height() / 2;
    QPolygon arrow;
    arrow << QPoint(x, y - 3) << QPoint(x + 3, y) << QPoint(x, y + 3);
    painter->setPen(text);
    painter->setBrush(text);
    painter->drawPolygon(arrow);
}

bool TTBXQuorixTheme::IsShowingSubmenu(const QStyleOption *option, const QWidget *widget) const
{
    const auto *menu = qobject_cast<const QMenu *>(widget);
    if (!menu)
        return false;
    const QAction *action = menu->actionAt(option->rect.center());
    const QMenu *submenu = action ? action->menu() : nullptr;
    return submenu && submenu->isVisible();
}

void TTBXQuorixTheme::DrawScroller(const QStyleOption *option, QPainter *painter) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    painter->save();
    painter->fillRect(option->rect, ViewColor(vkPopup));
    const QColor text = Resolve(m_colors.popupItems[pisNormal].text);
    const QPoint c = option->rect.center();
    const bool down = item && (item->state & State_DownArrow);
    QPolygon arrow;
    if (down)
        arrow << QPoint(c.x() - 3, c.y() - 1) << QPoint(c.x() + 3, c.y() - 1) << QPoint(c.x(), c.y() + 2);
    else
        arrow << QPoint(c.x() - 3, c.y() + 2) << QPoint(c.x() + 3, c.y() + 2) << QPoint(c.x(), c.y() - 1);
    painter->setPen(text);
    painter->setBrush(text);
    painter->drawPolygon(arrow);
    painter->restore();
}
