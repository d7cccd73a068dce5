#include "dialogs/pathbaseobject.h"

#include "foundation/pathmacros.h"
#include "platform/drivetable.h"

#include <QCollator>
#include <QFileInfo>

#include <algorithm>

namespace {

struct FixedBase
{
    const char *displayName;
    const char *path;
    int types;
    bool newFolder;
};

constexpr int kFolder = ptFolder;
constexpr int kBoth = ptFolder | ptItem;

constexpr FixedBase kFixedBases[] = {
    {"Common Programs", "$COMMONPROGRAMS$", kBoth, true},
    {"Common Desktop", "$COMMONDESKTOP$", kBoth, true},
    {"Contacts", "$CONTACTS$", kFolder, false},
    {"Control Panel", "$CONTROLPANEL$", kFolder, true},
    {"Custom Menus", "$CUSMENUS$", kFolder, false},
    {"Desktop", "$DESKTOP$", kBoth, false},
    {"My Computer", "$MYCOMPUTER$", kFolder, true},
    {"My Programs", "$MYPROGRAMS$", kBoth, true},
    {"My Desktop", "$MYDESKTOP$", kBoth, true},
    {"My Documents", "$MYDOC$", kBoth, true},
    {"Network Neighborhood", "$NETWORK$", kFolder, true},
    {"Notes", "$NOTES$", kFolder, false},
    {"Printers", "$PRINTERS$", kFolder, true},
    {"Programs", "$PROGRAMS$", kBoth, false},
    {"Quick Launch", "$QUICKLAUNCH$", kBoth, true},
    {"Recent Files", "$RECENTFILES$", kBoth, true},
    {"URLs", "$URLS$", kBoth, true},
    {"Windows Directory", "$WIN$", kBoth, true},
    {"Quorix Directory", "$QUORIX$", kBoth, true},
};

} // namespace

QString PathBaseObject::EntryText() const
{
    return path.startsWith(QLatin1Char('$')) ? displayName + QStringLiteral(" (") + path + QLatin1Char(')')
                                             : displayName;
}

QList<PathBaseObject> BuildPathBaseObjects()
{
    QList<PathBaseObject> bases;
    for (const DriveInfo &drive : DriveTable()) {
        // An optical drive without a disc has no root folder to browse.
        if (!drive.mountPoint.isEmpty())
            bases.append({drive.mountPoint, drive.mountPoint, kBoth, true, true});
    }
    for (const FixedBase &fixed : kFixedBases)
        bases.append({QString::fromLatin1(fixed.path), QString::fromLatin1(fixed.displayName), fixed.types,
                      fixed.newFolder, true});
    NameValueList aliases = LoadAliases();
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(aliases.begin(), aliases.end(),
                     [&collator](const auto &a, const auto &b) { return collator.compare(a.first, b.first) < 0; });
    for (const auto &[name, target] : aliases)
        bases.append({name, target, kBoth, true, true});
    return bases;
}

int ClassifyPath(const QList<PathBaseObject> &bases, const QString &path)
{
    if (!path.startsWith(QLatin1Char('$')))
        return ptFolder | ptItem;
    const qsizetype close = path.indexOf(QLatin1Char('$'), 1);
    const QString word = close < 0 ? path : path.left(close + 1);
    for (const PathBaseObject &base : bases) {
        if (base.path == word)
            return base.types;
    }
    const QString expanded = ExpandPathMacro(word);
    return !expanded.startsWith(QLatin1Char('$')) && QFileInfo(expanded).isDir() ? (ptFolder | ptItem) : ptFolder;
}
