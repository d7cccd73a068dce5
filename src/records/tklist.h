// An ordered sequence whose positions are counted from 1, the way record files number their
// fields and records.
#pragma once

#include <QString>

#include <utility>
#include <vector>

// Backed by a vector, so positional access is constant-time and a scan by increasing position costs
// one step per item. The list owns its items: deleting an item or clearing the list frees them.
template <typename T>
class TKList
{
public:
    int Count() const { return int(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    bool IsValidPosition(int position) const { return position >= 1 && position <= Count(); }

    // The position must be valid (see IsValidPosition).
    const T &Item(int position) const { return m_items[size_t(position - 1)]; }
    T &Item(int position) { return m_items[size_t(position - 1)]; }

    void Append(T item) { m_items.push_back(std::move(item)); }
    void Delete(int position) { m_items.erase(m_items.begin() + (position - 1)); }
    void Clear() { m_items.clear(); }
    void Reserve(int count) { m_items.reserve(size_t(count)); }

    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

    bool operator==(const TKList &other) const = default;

private:
    std::vector<T> m_items;
};

// A record, or the names or type labels of a table's fields.
using TKStringList = TKList<QString>;
// The records of a table.
using TKBaseList = TKList<TKStringList>;
