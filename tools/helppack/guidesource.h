// The sources of a user guide: a folder of HTML pages and its contents file, which names the help
// title, the home page, the tabs, the pages (in page-table order) and the contents tree:
//
//   title: Quorix
//   home: general-about
//   tabs: content index search
//   resources: yes
//   [pages]
//   general-about = general-about.html        page name = HTML file beside the contents file
//   [contents]
//   - Getting started                         a node that opens no page
//     getting-started                         a node captioned with its page's title
//     general-about | About Quorix            a node with a caption of its own
//
// Children are indented two blanks deeper than their parent; "#" starts a comment line. A page's
// title is the text of its <title> element.
#pragma once

#include "qdswriter.h"

#include <QString>
#include <QStringList>

class GuideSource
{
public:
    // Reads the contents file and every page it names into writer; false with Errors() saying
    // what is wrong (a missing page, an unknown name in the tree or in a link between pages).
    bool Load(const QString &contentsFile, QdsWriter &writer);
    const QStringList &Errors() const { return m_errors; }

private:
    void ReadSetting(const QString &line, QdsWriter &writer);
    void ReadPage(const QString &line, const QString &folder, QdsWriter &writer);
    void ReadNode(const QString &line, int lineNumber);
    void CheckLinks(const QString &name, const QByteArray &html);

    struct PendingNode
    {
        int depth;
        QdsWriter::Node node;
    };

    QStringList m_pageNames;
    QStringList m_linkedNames;   // "page -> name" of every link between pages
    QList<PendingNode> m_nodes;
    QString m_home;
    QStringList m_errors;
};
