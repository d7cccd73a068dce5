// Path macros: a word in dollar signs at the start of a path stands for a desktop folder
// ("$MYDOC$/Letters/x.odt"), a virtual folder ("$PRINTERS$"), a menu of Quorix's own ("$NOTES$"),
// a project item ("$PROJECTS$/Name/Item") or a user alias ("$TOOLS$/app", from settings.ini
// [alias]). A path starting with "%" expands environment references ("%HOME%/bin").
#pragma once

#include <QList>
#include <QString>
#include <utility>

using NameValueList = QList<std::pair<QString, QString>>;

// The expanded path. Never fails: an unknown word leaves the path as it was; an environment
// reference that expands to nothing new gives an empty path.
QString ExpandPathMacro(const QString &path);

// For a path of the merged menus ($PROGRAMS$ and $DESKTOP$): the user's copy when it exists, else
// the common one; a path without such a word is itself when it exists. Empty when nothing exists.
QString ResolveUserOrCommonPath(const QString &path);

// 3, 4, 10, 17 or 18 for the virtual folders Control Panel, Printers, Recycle Bin, My Computer and
// Network; 0 for everything else. Only the word up to the second "$" counts, case-sensitively.
int VirtualFolderCsidl(const QString &path);

// The 19 macro words that have a display name, as (word, display name) in a fixed order.
NameValueList MacroDisplayNames();

// Every user alias of settings.ini [alias], in file order.
NameValueList LoadAliases();

// A path that begins with a macro word with every backslash made a "/": menu files exported on
// Windows separate with backslashes throughout ("$MYDOC$\Letters\x.doc"). Other paths as they are.
QString WithMacroSeparators(const QString &path);
// The macro word at the start of path ("$MYDOC$"), or empty.
QString LeadingMacroWord(const QString &path);
