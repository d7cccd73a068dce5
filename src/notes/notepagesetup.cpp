#include "notes/notepagesetup.h"

#include "base/namedvalues.h"

#include <QPageSize>
#include <QRectF>
#include <QSizeF>

#include <cmath>

namespace {

constexpr double kUnitsPerMillimetre = 100.0;
// Larger than any paper: keeps the printing arithmetic far from overflow.
constexpr int kLargestSize = 10000000;

// The key's number when it is one within [minimum, kLargestSize]; otherwise the default.
int ReadKey(const NamedValueList &values, const char *key, int minimum, int defaultValue)
{
    bool ok = false;
    const int value = values.Value(QLatin1String(key)).trimmed().toInt(&ok);
    return ok && value >= minimum && value <= kLargestSize ? value : defaultValue;
}

int Units(double millimetres)
{
    return int(std::lround(millimetres * kUnitsPerMillimetre));
}

} // namespace

NotePageSetup NotePageSetup::FromNamedValues(const QString &text)
{
    const NamedValueList values = ParseNamedValues(text);
    const NotePageSetup defaults;
    NotePageSetup setup;
    setup.bottom = ReadKey(values, "bottom", 0, defaults.bottom);
    setup.left = ReadKey(values, "left", 0, defaults.left);
    setup.right = ReadKey(values, "right", 0, defaults.right);
    setup.top = ReadKey(values, "top", 0, defaults.top);
    setup.height = ReadKey(values, "height", 1, defaults.height);
    setup.width = ReadKey(values, "width", 1, defaults.width);
    return setup;
}

QString NotePageSetup::ToNamedValues(const QString &storedText) const
{
    NamedValueList values = ParseNamedValues(storedText);
    values.SetValue(QStringLiteral("bottom"), QString::number(bottom));
    values.SetValue(QStringLiteral("left"), QString::number(left));
    values.SetValue(QStringLiteral("right"), QString::number(right));
    values.SetValue(QStringLiteral("top"), QString::number(top));
    values.SetValue(QStringLiteral("height"), QString::number(height));
    values.SetValue(QStringLiteral("width"), QString::number(width));
    return FormatNamedValues(values);
}

QPageLayout NotePageSetup::ToPageLayout() const
{
    const QPageSize paper(QSizeF(width / kUnitsPerMillimetre, height / kUnitsPerMillimetre), QPageSize::Millimeter);
    const QMarginsF margins(left / kUnitsPerMillimetre, top / kUnitsPerMillimetre, right / kUnitsPerMillimetre,
                            bottom / kUnitsPerMillimetre);
    // Paper wider than high is landscape paper: the size above is already the one printed on.
    QPageLayout layout(paper, QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    layout.setMargins(margins);
    return layout;
}

NotePageSetup NotePageSetup::FromPageLayout(const QPageLayout &layout)
{
    NotePageSetup setup;
    const QSizeF paper = layout.fullRect(QPageLayout::Millimeter).size();
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    setup.width = qMax(1, Units(paper.width()));
    setup.height = qMax(1, Units(paper.height()));
    setup.left = qMax(0, Units(margins.left()));
    setup.top = qMax(0, Units(margins.top()));
    setup.right = qMax(0, Units(margins.right()));
    setup.bottom = qMax(0, Units(margins.bottom()));
    return setup;
}
