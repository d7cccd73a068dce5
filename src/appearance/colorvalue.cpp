#include "appearance/colorvalue.h"

#include <array>
#include <limits>

namespace {

constexpr std::array<ColorName, 52> kColorNames = {{
    {"clBlack", RgbColor(0, 0, 0)},
    {"clMaroon", RgbColor(128, 0, 0)},
    {"clGreen", RgbColor(0, 128, 0)},
    {"clOlive", RgbColor(128, 128, 0)},
    {"clNavy", RgbColor(0, 0, 128)},
    {"clPurple", RgbColor(128, 0, 128)},
    {"clTeal", RgbColor(0, 128, 128)},
    {"clGray", RgbColor(128, 128, 128)},
    {"clSilver", RgbColor(192, 192, 192)},
    {"clRed", RgbColor(255, 0, 0)},
    {"clLime", RgbColor(0, 255, 0)},
    {"clYellow", RgbColor(255, 255, 0)},
    {"clBlue", RgbColor(0, 0, 255)},
    {"clFuchsia", RgbColor(255, 0, 255)},
    {"clAqua", RgbColor(0, 255, 255)},
    {"clWhite", RgbColor(255, 255, 255)},
    {"clMoneyGreen", RgbColor(192, 220, 192)},
    {"clSkyBlue", RgbColor(166, 202, 240)},
    {"clCream", RgbColor(255, 251, 240)},
    {"clMedGray", RgbColor(160, 160, 164)},
    {"clNone", clNone},
    {"clDefault", clDefault},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder},
    {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
    {"clHotLight", clHotLight},
    {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption},
    {"clMenuHighlight", clMenuHighlight},
    {"clMenuBar", clMenuBar},
}};

bool IsAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// An optional minus sign followed by one or more decimal digits, nothing else.
bool IsIntegerText(const QString &text)
{
    const int start = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (text.size() <= start)
        return false;
    for (int i = start; i < text.size(); ++i) {
        if (!IsAsciiDigit(text.at(i)))
            return false;
    }
    return true;
}

// Only the range a 32-bit file value can hold; larger numbers are rejected rather than wrapped.
std::optional<TColor> IntegerValue(const QString &text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return TColor(qint32(value));
}

int HexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Any number of hexadecimal digits (leading zeros allowed) whose value fits 32 bits.
std::optional<TColor> HexValue(const QString &digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (const QChar c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + quint64(digit);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return TColor(value);
}

QString ConversionError(const QString &text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(QStringLiteral("cl") + text);
}

} // namespace

std::span<const ColorName> ColorNames()
{
    return kColorNames;
}

std::optional<TColor> ColorFromName(const QString &name)
{
    for (const ColorName &entry : kColorNames) {
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return entry.value;
    }
    return std::nullopt;
}

std::optional<TColor> ParseThemeColor(const QString &text, QString *error)
{
    std::optional<TColor> result;
    QString compact = text;
    if (IsIntegerText(text)) {
        result = IntegerValue(text);
    } else if (text.isEmpty()) {
        result = RgbColor(0, 0, 0);
    } else {
        compact.remove(QLatin1Char(' '));
        result = ColorFromName(QStringLiteral("cl") + compact);
        if (!result && compact.startsWith(QLatin1Char('$')))
            result = HexValue(compact.mid(1));
    }
    if (!result && error)
        *error = ConversionError(compact);
    return result;
}
