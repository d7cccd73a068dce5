// A generated submenu. It is empty until it opens; every opening clears it and fills it afresh
// from its path (or, for a subfolder found in a folder, from that folder's item) with its mask and
// item limit.
#pragma once

#include "platform/shellitem.h"

#include <QMenu>
#include <QString>

class TBMenuSubItem : public QMenu
{
    Q_OBJECT

public:
    explicit TBMenuSubItem(const QString &caption, QWidget *parent = nullptr);

    // Folder or macro path to fill from; empty for subfolders found in a folder.
    QString Path() const { return m_path; }
    void SetPath(const QString &path) { m_path = path; }
    // File-name patterns, blank-separated; empty or "*.*" for every file.
    QString Mask() const { return m_mask; }
    void SetMask(const QString &mask) { m_mask = mask; }
    // Largest number of entries built: -1 the maxnumber setting, 0 or below no limit.
    int Limit() const { return m_limit; }
    void SetLimit(int limit) { m_limit = limit; }
    // The subfolder's own item; when present the submenu is filled from it.
    const ShellItem &Item() const { return m_item; }
    void SetItem(const ShellItem &item) { m_item = item; }
    bool HasItem() const { return !m_item.IsNull(); }

private:
    QString m_path;
    QString m_mask;
    int m_limit = -1;
    ShellItem m_item;
};
