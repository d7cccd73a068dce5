#include "appearance/themeapply.h"

#include "appearance/colorconversion.h"
#include "appearance/themecolors.h"
#include "appearance/ttbxquorixtheme.h"
#include "controls/tblabel.h"

#include <QMenuBar>

void ApplyThemeToBar(QWidget *bar, const ThemeColors &theme)
{
    if (!bar)
        return;
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, ColorToQColor(theme.menuColor, palette));
    bar->setPalette(palette);
    bar->setAutoFillBackground(true);
    for (QMenuBar *menuBar : bar->findChildren<QMenuBar *>())
        menuBar->update();
    bar->update();
}

void ApplyThemeToMarquee(QLabel *label, const ThemeColors &theme)
{
    if (!label)
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, ColorToQColor(theme.menuColor, palette));
    palette.setColor(QPalette::WindowText, ColorToQColor(theme.menuFontColor, palette));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    if (auto *marquee = qobject_cast<TBLabel *>(label)) {
        marquee->SetHoverBGColor(ColorToQColor(theme.menuSelectColor, palette));
        marquee->SetHoverColor(ColorToQColor(theme.menuSelectFontColor, palette));
        marquee->SetUseHoverBGColor(true);
    }
    label->update();
}

void ApplyThemeToPainter(QStyle *painter, const ThemeColors &theme)
{
    if (auto *quorix = qobject_cast<TTBXQuorixTheme *>(painter))
        quorix->ApplyThemeColors(theme);
}
