// The menus' order: folders first, then the virtual folders' own order, then the display name as
// people read it (case-insensitive, "2" before "10").
#include "platform/shellnamespace.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <vector>

namespace {

// The user's language decides the order of letters; the plain "C" locale (no language set)
// would compare code points, so "Zoo" would come before "apple" and "10" before "9".
QLocale CollationLocale()
{
    const QLocale system;
    return system.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : system;
}

QCollator &NameCollator()
{
    static QCollator collator = [] {
        QCollator c(CollationLocale());
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    return collator;
}

int CompareKind(const ShellItem &a, const ShellItem &b)
{
    if (a.isFolder != b.isFolder)
        return a.isFolder ? -1 : 1;
    return a.order < b.order ? -1 : (a.order > b.order ? 1 : 0);
}

// Names the collator calls equal ("a" and "A") still get a fixed order.
int CompareExactly(const ShellItem &a, const ShellItem &b)
{
    const int byName = a.displayName.compare(b.displayName);
    return byName != 0 ? byName : a.location.compare(b.location);
}

// What the sort looks at, kept small and together: one collation key per item, computed once.
struct SortRecord
{
    int index;
    int group;    // folders before files, then the virtual folders' order
    QCollatorSortKey key;
};

} // namespace

int CompareShellItems(const ShellItem &a, const ShellItem &b)
{
    if (const int kind = CompareKind(a, b))
        return kind;
    if (const int byName = NameCollator().compare(a.displayName, b.displayName))
        return byName;
    return CompareExactly(a, b);
}

QList<int> ShellSortOrder(const QList<ShellItem> &items, bool foldersFirst, int firstCount,
                          const std::function<bool(const ShellItem &)> &keep)
{
    QCollator &collator = NameCollator();
    std::vector<SortRecord> records;
    records.reserve(items.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        const ShellItem &item = items[i];
        if (keep && !keep(item))
            continue;
        // Orders of virtual folders are small; folders get the lower half.
        const int group = foldersFirst ? (item.isFolder ? 0 : 1 << 24) + item.order : 0;
        records.push_back({int(i), group, collator.sortKey(item.displayName)});
    }
    const auto less = [&items](const SortRecord &x, const SortRecord &y) {
        if (x.group != y.group)
            return x.group < y.group;
        if (const int byKey = x.key.compare(y.key))
            return byKey < 0;
        return CompareExactly(items[x.index], items[y.index]) < 0;
    };
    auto end = records.end();
    if (firstCount > 0 && size_t(firstCount) < records.size()) {
        end = records.begin() + firstCount;
        std::nth_element(records.begin(), end, records.end(), less);
    }
    std::sort(records.begin(), end, less);
    QList<int> order;
    order.reserve(end - records.begin());
    for (auto it = records.begin(); it != end; ++it)
        order.append(it->index);
    return order;
}

void SortShellItems(QList<ShellItem> &items)
{
    const QList<int> order = ShellSortOrder(items, true);
    QList<ShellItem> sorted;
    sorted.reserve(items.size());
    for (int index : order)
        sorted.append(std::move(items[index]));
    items = std::move(sorted);
}

void SortShellItemsByName(QList<ShellItem> &items)
{
    const QList<int> order = ShellSortOrder(items, false);
    QList<ShellItem> sorted;
    sorted.reserve(items.size());
    for (int index : order)
        sorted.append(std::move(items[index]));
    items = std::move(sorted);
}
