// Writes a help file (.qds, the format QdsFile reads): header, page table, contents tree and the
// pages, each compressed on its own with zlib.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <vector>

class QdsWriter
{
public:
    struct Node
    {
        QString caption;            // empty: the page's title is shown
        int pageIndex = -1;         // -1: the node opens nothing
        std::vector<Node> children;
    };

    void SetTitle(const QString &title) { m_title = title; }
    void SetDefaultPage(const QString &name) { m_defaultPage = name; }
    void SetCompressed(bool compressed) { m_compressed = compressed; }
    void SetResources(bool hasResources) { m_resources = hasResources; }
    void SetTabs(bool content, bool index, bool search);

    // Adds a page; returns its index in the page table.
    int AddPage(const QString &name, const QString &title, const QByteArray &html);
    // The top-level nodes of the contents tree.
    void SetContents(std::vector<Node> nodes) { m_contents = std::move(nodes); }

    // The whole file; empty, with Error() saying why, when the guide does not fit the format.
    QByteArray Write();
    // Write, then store the file atomically.
    bool WriteFile(const QString &path);
    QString Error() const { return m_error; }

private:
    struct Page
    {
        QString name;
        QString title;
        QByteArray html;
    };

    bool AppendShortString(QByteArray &out, const QString &text);
    bool AppendNode(QByteArray &out, const Node &node);

    QString m_title;
    QString m_defaultPage;
    bool m_compressed = true;
    bool m_resources = false;
    quint8 m_tabs = 2 | 4 | 8;
    QList<Page> m_pages;
    std::vector<Node> m_contents;
    QString m_error;
};
