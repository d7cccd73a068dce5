#include "infobar/tickerfont.h"

namespace {
constexpr int kFontPoints = 8;
} // namespace

QFont TickerFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSize(kFontPoints);
    return font;
}
