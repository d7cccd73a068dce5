#include "core/hotkeytable.h"

#include "platform/globalhotkeys.h"
#include "records/tmlb2.h"

namespace {

enum HotkeyField { hfShift = 2, hfKey = 3, hfFunction = 4, hfParams = 5, hfActive = 6 };

} // namespace

HotkeyTable::HotkeyTable(QObject *parent) : QObject(parent)
{
}

HotkeyTable::~HotkeyTable()
{
    // The desktop's hotkeys belong to the process and outlive the table: give back its own.
    if (m_desktop)
        ReleaseHotkeys();
}

GlobalHotkeys &HotkeyTable::Desktop()
{
    if (!m_desktop) {
        m_desktop = &Current<GlobalHotkeys>();
        connect(m_desktop, &GlobalHotkeys::HotkeyPressed, this, &HotkeyTable::HotkeyPressed);
    }
    return *m_desktop;
}

void HotkeyTable::ReleaseHotkeys()
{
    for (const TQXHotKey &entry : std::as_const(m_entries)) {
        if (entry.atom != 0 && entry.registered)
            Desktop().Unregister(entry.atom);
    }
    m_entries.clear();
}

TQXHotKey HotkeyTable::EntryFromRecord(const TMlb2 &table, int record)
{
    TQXHotKey entry;
    if (table.Value(hfActive, record) != QStringLiteral("1"))
        return entry;
    bool shiftIsNumber = false;
    bool keyIsNumber = false;
    entry.shift = table.Value(hfShift, record).trimmed().toInt(&shiftIsNumber);
    entry.key = table.Value(hfKey, record).trimmed().toInt(&keyIsNumber);
    entry.function = table.Value(hfFunction, record);
    entry.params = table.Value(hfParams, record);
    // A record that names no key (edited by hand) takes no identifier.
    if (!shiftIsNumber || !keyIsNumber || record > 0xFFFF)
        return entry;
    entry.atom = quint16(record);
    Desktop().Register(entry.atom, entry.shift, entry.key);
    entry.registered = true;
    return entry;
}

void HotkeyTable::LoadHotkeys(const QString &path)
{
    ReleaseHotkeys();
    TMlb2 table;
    if (!table.LoadFromFile(path))
        return;
    m_entries.reserve(table.RecordCount());
    for (int record = 1; record <= table.RecordCount(); ++record)
        m_entries.append(EntryFromRecord(table, record));
}

bool HotkeyTable::Dispatch(int shift, int key)
{
    for (const TQXHotKey &entry : std::as_const(m_entries)) {
        if (entry.registered && entry.shift == shift && entry.key == key) {
            // Copies: a command may reload the table (a refresh) while it runs.
            const QString function = entry.function;
            const QString params = entry.params;
            Q_EMIT CommandRequested(function, params);
            return true;
        }
    }
    return false;
}

void HotkeyTable::HotkeyPressed(int id)
{
    // The desktop names the identifier; entries are matched by their keys, so that of two records
    // with the same keys the first one runs.
    for (const TQXHotKey &entry : std::as_const(m_entries)) {
        if (entry.registered && entry.atom == id) {
            const int shift = entry.shift;
            const int key = entry.key;
            Dispatch(shift, key);
            return;
        }
    }
}
