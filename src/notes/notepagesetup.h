// The note window's page set-up: paper size and margins in hundredths of a millimetre, kept in
// settings.ini [shownote] printer_sizes as a key-value string ("bottom", "left", "right", "top",
// "height", "width").
#pragma once

#include <QPageLayout>
#include <QString>

struct NotePageSetup
{
    // A4 with 16 mm at the sides and 20 mm at the top and the bottom.
    int left = 1600;
    int top = 2000;
    int right = 1600;
    int bottom = 2000;
    int width = 21000;
    int height = 29700;

    bool operator==(const NotePageSetup &other) const = default;

    // Every key that is missing or no usable number keeps its default: a margin must not be
    // negative, the paper must have a size.
    static NotePageSetup FromNamedValues(const QString &text);
    // The stored value with the six keys replaced or appended; other keys of it are kept.
    QString ToNamedValues(const QString &storedText) const;

    QPageLayout ToPageLayout() const;
    static NotePageSetup FromPageLayout(const QPageLayout &layout);
};
