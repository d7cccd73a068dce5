// Where a note's printout puts each text: the title and a rule at the head of every page, the
// lines of the note wrapped to the width between the margins, and "Page N" at the foot of each
// page. The layout is worked out first, in the printer's pixels, and then painted.
#pragma once

#include "notes/notepagesetup.h"

#include <QFont>
#include <QLine>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <utility>

class QPaintDevice;
class QPagedPaintDevice;
class QPainter;

// A text placed with its top-left corner at a point.
struct NotePrintText
{
    QPoint at;
    QString text;
};

struct NotePrintPage
{
    NotePrintText head;
    QLine rule;
    QList<NotePrintText> lines;
    bool hasFoot = false;
    NotePrintText foot;
};

class NotePrintLayout
{
public:
    // device: the printer, for its font measures; paperPixels: the whole sheet in its pixels.
    NotePrintLayout(QPaintDevice *device, const QSize &paperPixels, const NotePageSetup &setup, const QFont &bodyFont);

    QList<NotePrintPage> Layout(const QString &title, const QStringList &lines) const;
    // Paints the pages onto the printer, starting a new sheet for every page after the first.
    void Paint(QPagedPaintDevice &printer, QPainter &painter, const QList<NotePrintPage> &pages) const;

    // The lines of a text as the editor has them: a final line break starts no line of its own.
    static QStringList TextLines(const QString &text);

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Bottom() const { return m_bottom; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int LineHeight() const { return m_lineHeight; }
    int HeadHeight() const { return m_headHeight; }
    const QFont &BodyFont() const { return m_bodyFont; }
    const QFont &HeadFont() const { return m_headFont; }

    // Cuts a line that is wider than Width(): after its last blank before the cut, else before the
    // first character that no longer fits (but never before the first). The part after the cut, if
    // any, is the next line.
    std::pair<QString, QString> WrapLine(const QString &line) const;

private:
    QPaintDevice *m_device;
    QFont m_bodyFont;
    QFont m_headFont;
    int m_paperHeight = 0;
    int m_left = 0;
    int m_top = 0;
    int m_bottom = 0;
    int m_width = 0;
    int m_height = 0;
    int m_lineHeight = 0;
    int m_headHeight = 0;
};
