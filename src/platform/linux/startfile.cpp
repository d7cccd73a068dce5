// What "start this" means for a path, a command line or an item of the name space. The decisions
// are made here; the launcher only carries them out.
#include "platform/launcher.h"

#include "platform/internetshortcut.h"
#include "platform/launchtrust.h"
#include "platform/linux/desktopentry.h"
#include "platform/shellnamespace.h"
#include "platform/xdgpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

#include <glib.h>

namespace {

QString FileUri(const QString &path)
{
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
}

// "https://x", "mailto:x", "file:///x": a scheme of two or more characters (so "C:" is no scheme).
bool LooksLikeUri(const QString &text)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(text).hasMatch() && !text.contains(QLatin1Char('\n'));
}

// A program by its bits and its first bytes, never one whose name says it is a document.
bool IsProgramFileInfo(const QFileInfo &info)
{
    if (!info.isFile() || !info.isExecutable() || NameClaimsDocument(info.fileName())
        || !KeepsExecuteBits(info.absoluteFilePath()))
        return false;
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(4);
    return head == QByteArrayLiteral("\x7f" "ELF") || head.startsWith("#!");
}

bool OpenUrlText(const QString &url)
{
    const QString scheme = QUrl(url).scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return OpenUrlInBrowser(url);
    return Current<Launcher>().OpenUri(url);
}

bool StartDesktopEntryFile(const QString &path)
{
    if (!IsTrustedDesktopEntry(path))
        return Current<Launcher>().OpenAsText(path);
    const DesktopEntryInfo entry = ReadDesktopEntry(path);
    if (entry.kind == DesktopEntryInfo::Application)
        return Current<Launcher>().LaunchDesktopEntry(path);
    if (entry.kind == DesktopEntryInfo::Link && LooksLikeUri(entry.url))
        return OpenUrlText(entry.url);
    return Current<Launcher>().OpenUri(FileUri(path));
}

bool StartExistingPath(const QString &path, const QString &workingDirectory)
{
    const QFileInfo info(path);
    if (info.isDir())
        return OpenFolder(path);
    if (path.endsWith(QLatin1String(".desktop")))
        return StartDesktopEntryFile(path);
    if (path.endsWith(QLatin1String(".url"), Qt::CaseInsensitive)) {
        const QString url = ReadInternetShortcut(path);
        return !url.isEmpty() && OpenUrlInBrowser(url);
    }
    if (IsProgramFileInfo(info))
        return Current<Launcher>().RunProgram(info.absoluteFilePath(), {},
                                            workingDirectory.isEmpty() ? info.absolutePath() : workingDirectory);
    return Current<Launcher>().OpenUri(FileUri(info.absoluteFilePath()));
}

QString ProgramPath(const QString &word)
{
    if (word.contains(QLatin1Char('/'))) {
        const QFileInfo info(word);
        return info.isAbsolute() && IsProgramFileInfo(info) ? info.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(word);
}

QString WithHome(const QString &path)
{
    if (path == QLatin1String("~"))
        return HomeDir();
    if (path.startsWith(QLatin1String("~/")))
        return HomeDir() + path.mid(2);
    return path;
}

bool RunPrinterSettings(const QString &printerName)
{
    if (RunCommandLine(QStringLiteral("system-config-printer")))
        return true;
    QString page = QStringLiteral("http://localhost:631/printers/");
    if (!printerName.isEmpty())
        page += QString::fromLatin1(QUrl::toPercentEncoding(printerName));
    return OpenUrlInBrowser(page);
}

bool OpenControlPanel()
{
    for (const char *program : {"gnome-control-center", "xfce4-settings-manager", "mate-control-center",
                                "cinnamon-settings", "lxqt-config", "systemsettings"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
        if (!path.isEmpty())
            return Current<Launcher>().RunProgram(path, {}, {});
    }
    return false;
}

bool OpenVirtualFolder(const QString &location)
{
    Launcher &launcher = Current<Launcher>();
    if (location == QLatin1String(kShellControlPanel))
        return OpenControlPanel();
    if (location == QLatin1String(kShellMyComputer))
        return launcher.OpenUri(QStringLiteral("computer:///")) || OpenFolder(QStringLiteral("/"));
    if (location == QLatin1String(kShellNetwork))
        return launcher.OpenUri(QStringLiteral("network:///"));
    if (location == QLatin1String(kShellPrinters))
        return RunPrinterSettings({});
    if (location == QLatin1String(kShellTrash))
        return launcher.OpenUri(QStringLiteral("trash:///"))
               || OpenFolder(XdgDataHome() + QStringLiteral("Trash/files/"));
    if (location == QLatin1String(kShellRecent))
        return launcher.OpenUri(QStringLiteral("recent:///"));
    return false;
}

} // namespace

bool StartFile(const QString &path, const QString &workingDirectory)
{
    const QString text = WithHome(path.trimmed());
    if (text.isEmpty())
        return false;
    if (QDir::isAbsolutePath(text) && QFileInfo::exists(text))
        return StartExistingPath(text, workingDirectory);
    // The name space's virtual folders ("shell:recent") open in the desktop's own views.
    if (text.startsWith(QLatin1String("shell:"))) {
        const ShellItem item = ParsePathToItem(text);
        return !item.IsNull() && LaunchShellItem(item);
    }
    if (LooksLikeUri(text)) {
        const QUrl url(text);
        if (url.isLocalFile())
            return QFileInfo::exists(url.toLocalFile()) && StartExistingPath(url.toLocalFile(), workingDirectory);
        return OpenUrlText(text);
    }
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive) && !text.contains(QLatin1Char(' ')))
        return OpenUrlInBrowser(QStringLiteral("http://") + text);
    // A quoted path ("/home/me/My Letters") is that path.
    const QStringList words = SplitCommandLine(text);
    if (words.size() == 1) {
        const QString single = WithHome(words.first());
        if (single != text && QDir::isAbsolutePath(single) && QFileInfo::exists(single))
            return StartExistingPath(single, workingDirectory);
    }
    return RunCommandLine(text, workingDirectory);
}

bool RunCommandLine(const QString &commandLine, const QString &workingDirectory)
{
    QStringList words = SplitCommandLine(commandLine);
    if (words.isEmpty())
        return false;
    const QString program = ProgramPath(WithHome(words.takeFirst()));
    if (program.isEmpty())
        return false;
    return Current<Launcher>().RunProgram(program, words, workingDirectory);
}

QStringList SplitCommandLine(const QString &commandLine)
{
    QStringList words;
    gint argc = 0;
    gchar **argv = nullptr;
    if (!g_shell_parse_argv(commandLine.toUtf8().constData(), &argc, &argv, nullptr))
        return words;
    for (gint i = 0; i < argc; ++i)
        words.append(QString::fromUtf8(argv[i]));
    g_strfreev(argv);
    return words;
}

bool IsProgramFile(const QString &path)
{
    return IsProgramFileInfo(QFileInfo(path));
}

bool LaunchShellItem(const ShellItem &item)
{
    switch (item.kind) {
    case ShellItemKind::None: return false;
    case ShellItemKind::DesktopEntry:
    case ShellItemKind::LinkEntry:
        if (!IsTrustedDesktopEntry(item.parsingPath))
            return Current<Launcher>().OpenAsText(item.parsingPath);
        if (item.kind == ShellItemKind::LinkEntry)
            return LooksLikeUri(item.linkUrl) && OpenUrlText(item.linkUrl);
        return Current<Launcher>().LaunchDesktopEntry(item.parsingPath);
    case ShellItemKind::Folder:
    case ShellItemKind::Volume: return OpenFolder(item.parsingPath);
    case ShellItemKind::Printer: return RunPrinterSettings(item.parsingPath);
    case ShellItemKind::VirtualFolder: return OpenVirtualFolder(item.location);
    // A category of the applications menu is no place a file manager can show.
    case ShellItemKind::MenuFolder: return false;
    // What lies in the trash is opened to be looked at, never run.
    case ShellItemKind::TrashItem: return Current<Launcher>().OpenUri(FileUri(item.parsingPath));
    case ShellItemKind::File: return StartFile(item.parsingPath);
    }
    return false;
}

bool OpenUrlInBrowser(const QString &url)
{
    const QString text = url.trimmed();
    const QUrl parsed(text, QUrl::TolerantMode);
    if (!LooksLikeUri(text) || !parsed.isValid() || parsed.scheme().isEmpty())
        return false;
    return Current<Launcher>().OpenInBrowser(parsed.toString(QUrl::FullyEncoded));
}

bool OpenFolder(const QString &path)
{
    if (!QFileInfo(path).isDir())
        return false;
    return Current<Launcher>().OpenUri(FileUri(QDir::cleanPath(path)));
}
