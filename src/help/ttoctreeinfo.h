// A node of a help file's contents tree: its caption, its page and its children.
#pragma once

#include <QString>

#include <vector>

// What a node of the contents tree opens: the index of its page in the page table, -1 for none.
struct TTOCTreeInfo
{
    int pageIndex = -1;
};

struct HelpContentsNode
{
    QString caption;
    TTOCTreeInfo info;
    std::vector<HelpContentsNode> children;
};
