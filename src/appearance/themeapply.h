// Applying a theme's colours to the parts of the bar that show them.
#pragma once

class QLabel;
class QStyle;
class QWidget;
struct ThemeColors;

// The bar window's background becomes "menu_color"; its menu bars are repainted.
void ApplyThemeToBar(QWidget *bar, const ThemeColors &theme);
// The marquee: "menu_color" behind "menu_font_color", and while the mouse is over a TBLabel
// "menu_select_color" behind "menu_select_font_color".
void ApplyThemeToMarquee(QLabel *label, const ThemeColors &theme);
// Gives the menu painter the theme's colours; other styles are left alone.
void ApplyThemeToPainter(QStyle *painter, const ThemeColors &theme);
