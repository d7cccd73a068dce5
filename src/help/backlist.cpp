#include "help/backlist.h"

void BackList::PageLeft(const QString &caption, int page)
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].page == page) {
            m_entries.removeAt(i);
            break;
        }
    }
    m_entries.prepend({caption, page});
    while (m_entries.size() > kMaxEntries)
        m_entries.removeLast();
}

int BackList::TakeNewest()
{
    return TakeUpTo(0);
}

int BackList::TakeUpTo(int position)
{
    if (position < 0 || position >= m_entries.size())
        return -1;
    const int page = m_entries[position].page;
    m_entries.remove(0, position + 1);
    return page;
}
