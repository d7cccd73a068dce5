// The bar's system-wide hotkeys: the records of "Data/hotkeys.dat", registered with the desktop
// while the bar runs and turned into commands when pressed.
//
// Hotkey file: a record file with the fields, by position, 1 (not used), 2 "shift" (1 ALT, 2 CTRL,
// 8 WIN), 3 "key" (Windows virtual-key code), 4 "function", 5 "params", 6 "active" ("1" or "0").
#pragma once

#include "core/tqxhotkey.h"

#include <QList>
#include <QObject>
#include <QPointer>

class GlobalHotkeys;

class HotkeyTable : public QObject
{
    Q_OBJECT

public:
    explicit HotkeyTable(QObject *parent = nullptr);
    ~HotkeyTable() override; // releases every hotkey

    // Releases the current hotkeys, reads the hotkey file and registers its active records in file
    // order, each with its position as identifier. A missing or damaged file gives no hotkeys; a
    // record whose "shift" or "key" is not a number stays unregistered. Part of every settings read.
    void LoadHotkeys(const QString &path);
    // Unregisters every registered entry and forgets all entries.
    void ReleaseHotkeys();

    const QList<TQXHotKey> &Entries() const { return m_entries; }

    // A hotkey was pressed: the first registered entry with these modifiers and this key (in file
    // order) runs. False when none matches.
    bool Dispatch(int shift, int key);
    // The desktop reported the hotkey registered under id.
    void HotkeyPressed(int id);

Q_SIGNALS:
    // An entry's command is to run: connect to TD::ExecuteHotkeyCommand.
    void CommandRequested(const QString &function, const QString &params);

private:
    // The desktop's side, Current<GlobalHotkeys>() at the first registration. The result of
    // registering is only informative: a key held by another program leaves its entry in place,
    // without effect.
    GlobalHotkeys &Desktop();
    TQXHotKey EntryFromRecord(const class TMlb2 &table, int record);

    QList<TQXHotKey> m_entries;
    QPointer<GlobalHotkeys> m_desktop;
};
