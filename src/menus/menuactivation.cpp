#include "menus/menuactivation.h"

#include "base/inifile.h"
#include "foundation/desktopfolders.h"
#include "foundation/pathmacros.h"
#include "foundation/pathtoopen.h"
#include "foundation/tracelog.h"
#include "menus/menumasks.h"
#include "menus/tbmenuitem.h"
#include "platform/internetshortcut.h"
#include "platform/launcher.h"
#include "platform/shellnamespace.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString FileNamePart(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// The entry of folder whose name equals name in any case (discs made on Windows spell names as
// they like); empty when there is none.
QString FindEntryAnyCase(const QString &folder, const QString &name)
{
    const QString exact = QDir(folder).filePath(name);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return QDir(folder).filePath(entry);
    }
    return {};
}

// A relative path on the disc ("Setup/Start.sh"), each component found in any case.
QString FindPathAnyCase(const QString &root, const QString &relative)
{
    QString current = root;
    for (const QString &part : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        current = FindEntryAnyCase(current, part);
        if (current.isEmpty())
            return {};
    }
    return current;
}

} // namespace

void OpenProgramClick(QObject *sender)
{
    auto *item = qobject_cast<TBMenuItem *>(sender);
    if (!item)
        return;
    QString path = item->Path();
    ShellItem shellItem = item->Item();
    if (!shellItem.IsNull()) {
        if (MatchesMaskList(FileNamePart(path), QStringLiteral("*.url"))) {
            const QString url = ReadInternetShortcut(shellItem.parsingPath);
            if (!url.isEmpty() && !OpenUrlInBrowser(url))
                TraceLine(QStringLiteral("OpenProgramClick: cannot open ") + url);
            return;
        }
    } else if (path.startsWith(QLatin1Char('$')) || path.startsWith(QLatin1Char('%'))) {
        // Stored paths may also start with an environment reference ("%HOME%/bin/tool").
        if (const int code = VirtualFolderCsidl(path)) {
            shellItem = SpecialFolderItem(code);
        } else {
            path = ExpandPathToOpen(path);
            if (path.startsWith(QLatin1Char('$')))
                path = ResolveUserOrCommonPath(path);
        }
    }
    if (!shellItem.IsNull())
        LaunchShellItem(shellItem);
    else if (!path.isEmpty())
        StartFile(path);
}

QString AutoRunCommand(const QString &mountPoint)
{
    if (mountPoint.isEmpty())
        return {};
    const QString file = FindEntryAnyCase(mountPoint, QStringLiteral("autorun.inf"));
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return {};
    return IniFile(file).ReadString(QStringLiteral("autorun"), QStringLiteral("open")).trimmed();
}

bool StartAutoRun(const QString &mountPoint)
{
    // Paths in autorun.inf use Windows separators.
    const QString command = AutoRunCommand(mountPoint).replace(QLatin1Char('\\'), QLatin1Char('/'));
    QStringList words = SplitCommandLine(command);
    if (words.isEmpty())
        return false;
    const QString program = FindPathAnyCase(mountPoint, words.takeFirst());
    if (program.isEmpty())
        return RunCommandLine(command, mountPoint); // a program of the system, named by the disc
    if (words.isEmpty() || !IsProgramFile(program))
        return StartFile(program, mountPoint);
    return Current<Launcher>().RunProgram(program, words, mountPoint);
}
