// The viewer's list of recently left pages, newest first, at most ten: "Back" takes the newest, the
// drop-down any of them, and every page left goes on top (once: an older entry for it goes).
#pragma once

#include <QList>
#include <QString>

class BackList
{
public:
    static constexpr int kMaxEntries = 10;

    struct Entry
    {
        QString caption;   // the page's title
        int page = -1;     // its index in the page table
    };

    const QList<Entry> &Entries() const { return m_entries; }
    bool IsEmpty() const { return m_entries.isEmpty(); }

    // The page being left: its older entry goes and a new one goes on top; the eleventh falls off.
    void PageLeft(const QString &caption, int page);
    // Removes the newest entry and returns its page; -1 when the list is empty.
    int TakeNewest();
    // Removes the entry at position (0 is the newest) and every newer one; returns its page, or
    // -1 when there is no such entry.
    int TakeUpTo(int position);

private:
    QList<Entry> m_entries;
};
