// A clickable menu entry generated from a definition, a folder or a special folder. It knows what
// it opens: a full path, a macro path ("$PROGRAMS$/x.desktop", resolved when chosen), a note id,
// and, when it was found in a folder, the item of the name space itself.
#pragma once

#include "platform/shellitem.h"

#include <QAction>
#include <QString>

class TBMenuItem : public QAction
{
    Q_OBJECT

public:
    explicit TBMenuItem(const QString &caption, QObject *parent = nullptr);

    QString Path() const { return m_path; }
    void SetPath(const QString &path) { m_path = path; }

    // The item found in a folder listing (or a special folder's item); null for definition items
    // and merged entries, which open through their path.
    const ShellItem &Item() const { return m_item; }
    void SetItem(const ShellItem &item) { m_item = item; }
    bool HasItem() const { return !m_item.IsNull(); }

    // An address book entry (contacts menu); empty for everything else.
    QString ContactEntry() const { return m_contactEntry; }
    void SetContactEntry(const QString &entry) { m_contactEntry = entry; }

private:
    QString m_path;
    ShellItem m_item;
    QString m_contactEntry;
};
