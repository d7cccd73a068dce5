// A clickable menu entry generated from a definition, a folder or a special folder. It knows what
// it opens: a full path, a macro path, or a note id.
#pragma once

#include <QAction>
#include <QString>

class TBMenuItem : public QAction
{
    Q_OBJECT

public:
    explicit TBMenuItem(const QString &caption, QObject *parent = nullptr);

    QString Path() const { return m_path; }
    void SetPath(const QString &path) { m_path = path; }

private:
    QString m_path;
};
