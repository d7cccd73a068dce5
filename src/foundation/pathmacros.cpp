#include "foundation/pathmacros.h"

#include "base/inifile.h"
#include "base/namedvalues.h"
#include "foundation/datafiles.h"
#include "foundation/desktopfolders.h"
#include "foundation/programfolder.h"
#include "foundation/settingsmodel.h"
#include "platform/xdgpaths.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kProjects = QStringLiteral("$PROJECTS$");

// A path split after its macro word: word/second/third/rest.
struct MacroPath
{
    QString word;
    QString second;
    QString third;
    QString rest;
};

MacroPath SplitMacroPath(const QString &path)
{
    MacroPath parts;
    const qsizetype first = path.indexOf(QLatin1Char('/'));
    parts.word = first < 0 ? path : path.left(first);
    if (first < 0)
        return parts;
    const QString tail = path.mid(first + 1);
    parts.second = tail.section(QLatin1Char('/'), 0, 0);
    parts.third = tail.section(QLatin1Char('/'), 1, 1);
    parts.rest = tail.section(QLatin1Char('/'), 2);
    return parts;
}

// Expands every %NAME% whose variable is set; unknown references stay as they are.
QString ExpandEnvironmentReferences(const QString &text)
{
    QString result;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('%'), pos);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('%'), open + 1);
        if (close < 0) {
            result += text.mid(pos);
            break;
        }
        const QString name = text.mid(open + 1, close - open - 1);
        result += text.mid(pos, open - pos);
        if (!name.isEmpty() && qEnvironmentVariableIsSet(name.toLocal8Bit().constData())) {
            result += qEnvironmentVariable(name.toLocal8Bit().constData());
            pos = close + 1;
        } else {
            result += text.mid(open, close - open);
            pos = close; // the closing "%" may open the next reference
        }
    }
    return result;
}

QString AliasValue(const QString &word)
{
    return CurrentSettings().AliasFolder(word);
}

QString BaseFolderFor(const QString &word)
{
    static const QStringList symbolic = {QStringLiteral("$NOTES$"), QStringLiteral("$CONTACTS$"),
                                         QStringLiteral("$CONTROLPANEL$"), QStringLiteral("$PROGRAMS$"),
                                         QStringLiteral("$CUSMENUS$"), QStringLiteral("$DESKTOP$")};
    if (symbolic.contains(word))
        return word + QLatin1Char('/');
    static const QList<std::pair<QString, int>> folders = {
        {QStringLiteral("$COMMONPROGRAMS$"), csidlCommonPrograms}, {QStringLiteral("$COMMONDESKTOP$"), csidlCommonDesktop},
        {QStringLiteral("$MYPROGRAMS$"), csidlPrograms},           {QStringLiteral("$MYDESKTOP$"), csidlDesktop},
        {QStringLiteral("$MYDOC$"), csidlPersonal},                {QStringLiteral("$RECENTFILES$"), csidlRecent},
        {QStringLiteral("$URLS$"), csidlFavorites}};
    for (const auto &[macro, csidl] : folders) {
        if (word == macro)
            return SpecialFolderPath(csidl);
    }
    if (word == QStringLiteral("$QUICKLAUNCH$"))
        return DataFilePath(dfDataFolder) + QStringLiteral("Quick Launch/");
    if (word == QStringLiteral("$WIN$"))
        return QStringLiteral("/usr/");
    if (word == QStringLiteral("$SYSTEM$"))
        return QStringLiteral("/usr/bin/");
    if (word == QStringLiteral("$QUORIX$"))
        return ProgramFolder();
    return WithTrailingSlash(AliasValue(word));
}

QString JoinNonEmpty(const QStringList &parts)
{
    QStringList kept;
    for (const QString &part : parts) {
        if (!part.isEmpty())
            kept.append(part);
    }
    return kept.join(QLatin1Char('/'));
}

// "$PROJECTS$/Project/Item/rest": the item's folder from Projects/Project.qxp, else left symbolic.
QString ExpandProjectPath(const MacroPath &parts)
{
    if (!parts.second.isEmpty() && !parts.third.isEmpty()) {
        IniFile project(DataFilePath(dfProjects) + parts.second + QStringLiteral(".qxp"));
        const bool valid = project.ReadString(QStringLiteral("header"), QStringLiteral("filetype"))
                           == QStringLiteral("Quorix Project File");
        const QString item = valid ? project.ReadString(QStringLiteral("folders"), parts.third) : QString();
        const QString folder = ParseNamedValues(item).Value(QStringLiteral("path"));
        if (!folder.isEmpty())
            return WithTrailingSlash(folder) + parts.rest;
    }
    return JoinNonEmpty({kProjects, parts.second, parts.third, parts.rest});
}

} // namespace

QString LeadingMacroWord(const QString &path)
{
    if (!path.startsWith(QLatin1Char('$')))
        return {};
    const qsizetype second = path.indexOf(QLatin1Char('$'), 1);
    return second < 0 ? QString() : path.left(second + 1);
}

QString WithMacroSeparators(const QString &path)
{
    if (LeadingMacroWord(path).isEmpty())
        return path;
    return QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString ExpandPathMacro(const QString &path)
{
    QString text = WithMacroSeparators(path);
    if (text.startsWith(QLatin1Char('%'))) {
        const QString expanded = ExpandEnvironmentReferences(text);
        if (expanded == text)
            return {};
        text = expanded;
    }
    if (!text.startsWith(QLatin1Char('$')) || text.size() <= 2)
        return text;
    const MacroPath parts = SplitMacroPath(text);
    if (parts.word == kProjects)
        return ExpandProjectPath(parts);
    const QString base = BaseFolderFor(parts.word);
    if (base.isEmpty())
        return text;
    QString result = base + parts.second;
    if (!parts.third.isEmpty())
        result += QLatin1Char('/') + parts.third;
    if (!parts.rest.isEmpty())
        result += QLatin1Char('/') + parts.rest;
    return result;
}

QString ResolveUserOrCommonPath(const QString &storedPath)
{
    const QString path = WithMacroSeparators(storedPath);
    const QString word = LeadingMacroWord(path);
    const QString rest = path.mid(word.size());
    QStringList candidates;
    if (word == QStringLiteral("$PROGRAMS$"))
        candidates = {QStringLiteral("$MYPROGRAMS$"), QStringLiteral("$COMMONPROGRAMS$")};
    else if (word == QStringLiteral("$DESKTOP$"))
        candidates = {QStringLiteral("$MYDESKTOP$"), QStringLiteral("$COMMONDESKTOP$")};
    for (const QString &candidate : candidates) {
        const QString base = ExpandPathMacro(candidate);
        if (base == candidate)
            continue; // this desktop has no such folder
        const QString full = QDir::cleanPath(base + rest);
        if (QFileInfo::exists(full))
            return full;
    }
    return QFileInfo::exists(rest) ? rest : QString();
}

int VirtualFolderCsidl(const QString &path)
{
    if (path.size() <= 3 || !path.startsWith(QLatin1Char('$')))
        return 0;
    const QString word = LeadingMacroWord(path);
    if (word == QStringLiteral("$CONTROLPANEL$")) return 3;
    if (word == QStringLiteral("$MYCOMPUTER$")) return 17;
    if (word == QStringLiteral("$NETWORK$")) return 18;
    if (word == QStringLiteral("$PRINTERS$")) return 4;
    if (word == QStringLiteral("$RECYCLE$")) return 10;
    return 0;
}

NameValueList MacroDisplayNames()
{
    return {
        {QStringLiteral("$COMMONPROGRAMS$"), QStringLiteral("Common Programs")},
        {QStringLiteral("$COMMONDESKTOP$"), QStringLiteral("Common Desktop")},
        {QStringLiteral("$CONTACTS$"), QStringLiteral("Contacts")},
        {QStringLiteral("$CONTROLPANEL$"), QStringLiteral("Control Panel")},
        {QStringLiteral("$CUSMENUS$"), QStringLiteral("Custom Menus")},
        {QStringLiteral("$DESKTOP$"), QStringLiteral("Desktop")},
        {QStringLiteral("$MYCOMPUTER$"), QStringLiteral("My Computer")},
        {QStringLiteral("$MYDESKTOP$"), QStringLiteral("My Desktop")},
        {QStringLiteral("$MYDOC$"), QStringLiteral("My Documents")},
        {QStringLiteral("$MYPROGRAMS$"), QStringLiteral("My Programs")},
        {QStringLiteral("$NETWORK$"), QStringLiteral("Network")},
        {QStringLiteral("$NOTES$"), QStringLiteral("Notes")},
        {QStringLiteral("$PRINTERS$"), QStringLiteral("Printers")},
        {QStringLiteral("$PROGRAMS$"), QStringLiteral("Programs")},
        {QStringLiteral("$QUICKLAUNCH$"), QStringLiteral("Quick Launch")},
        {QStringLiteral("$RECENTFILES$"), QStringLiteral("Recent Files")},
        {QStringLiteral("$URLS$"), QStringLiteral("URLs")},
        {QStringLiteral("$WIN$"), QStringLiteral("Windows Directory")},
        {QStringLiteral("$QUORIX$"), QStringLiteral("Quorix Directory")},
    };
}

NameValueList LoadAliases()
{
    return CurrentSettings().aliases;
}
