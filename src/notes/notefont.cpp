#include "notes/notefont.h"

#include "base/namedvalues.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace {

constexpr int kDefaultPointSize = 10;
constexpr int kLargestPointSize = 500;

enum FontStyleBits { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

} // namespace

QString DefaultNoteFontName()
{
    return QStringLiteral("Lucida Console");
}

int NoteFontStyle(const QFont &font)
{
    int style = 0;
    if (font.bold())
        style |= fsBold;
    if (font.italic())
        style |= fsItalic;
    if (font.underline())
        style |= fsUnderline;
    if (font.strikeOut())
        style |= fsStrikeOut;
    return style;
}

void SetNoteFontStyle(QFont &font, int style)
{
    font.setBold(style & fsBold);
    font.setItalic(style & fsItalic);
    font.setUnderline(style & fsUnderline);
    font.setStrikeOut(style & fsStrikeOut);
}

QFont NoteFontFromNamedValues(const QString &text)
{
    const NamedValueList values = ParseNamedValues(text);
    QString name = values.Value(QStringLiteral("name"));
    if (name.trimmed().isEmpty())
        name = DefaultNoteFontName();
    bool ok = false;
    int size = values.Value(QStringLiteral("size")).trimmed().toInt(&ok);
    if (!ok || size < 1 || size > kLargestPointSize)
        size = kDefaultPointSize;
    const int style = values.Value(QStringLiteral("style")).trimmed().toInt(&ok);
    QFont font(name, size);
    SetNoteFontStyle(font, ok ? style : 0);
    return font;
}

QString NoteFontToNamedValues(const QString &storedText, const QFont &font)
{
    NamedValueList values = ParseNamedValues(storedText);
    values.SetValue(QStringLiteral("name"), font.family());
    const int points = font.pointSize() > 0 ? font.pointSize() : qRound(font.pointSizeF());
    values.SetValue(QStringLiteral("size"), QString::number(points > 0 ? points : kDefaultPointSize));
    values.SetValue(QStringLiteral("style"), QString::number(NoteFontStyle(font)));
    return FormatNamedValues(values);
}

QFont InstalledNoteFont(const QFont &font)
{
    if (QFontDatabase::families().contains(font.family(), Qt::CaseInsensitive))
        return font;
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(font.pointSizeF() > 0 ? font.pointSizeF() : kDefaultPointSize);
    SetNoteFontStyle(fixed, NoteFontStyle(font));
    return fixed;
}
