// Starting things: programs, applications' desktop entries, documents, folders and web addresses.
// Everything is started directly (GIO and the desktop's default applications); no text is ever
// handed to a shell.
#pragma once

#include "platform/currentservice.h"
#include "platform/shellitem.h"

#include <QString>
#include <QStringList>

// The few ways anything is started; Current<Launcher>() is the one in use. The desktop's
// implementation goes through GIO; tests put a recording one in its place.
class Launcher
{
public:
    virtual ~Launcher();
    // The desktop's own launcher.
    static Launcher &Platform();

    // Starts an application from its .desktop file.
    virtual bool LaunchDesktopEntry(const QString &desktopFile) = 0;
    // Runs a program file (absolute path) with its arguments; an empty working folder means the
    // user's home.
    virtual bool RunProgram(const QString &program, const QStringList &arguments,
                            const QString &workingDirectory) = 0;
    // Opens a URI ("file:///..." for files and folders) in the desktop's default application.
    virtual bool OpenUri(const QString &uri) = 0;
    // Opens a web address in the default web browser.
    virtual bool OpenInBrowser(const QString &url) = 0;
    // Opens a file (absolute path) in the desktop's text editor, whatever its type: a desktop
    // entry that is not trusted is shown, never run.
    virtual bool OpenAsText(const QString &file) = 0;
};

// Starts a path the way the user means it, with the default action:
// - a desktop entry is launched when it is trusted (IsTrustedDesktopEntry), else opened as text;
//   an Internet shortcut (.url) opens its address in the browser;
// - a program file (native or a "#!" script, with the executable bit on a file system that keeps
//   it, and a name that claims no document type) is run, in its own folder
//   unless a working folder is given;
// - any other file, a folder or a URL opens in its default application;
// - any other text whose first word is a program (on PATH, or an absolute path) runs that program
//   with the rest of the text as arguments, split into words with quotes honoured; shell syntax
//   (";", "|", ">", "$(...)") is passed to the program as plain text.
// False when nothing could be started.
bool StartFile(const QString &path, const QString &workingDirectory = {});
// Runs a command line as StartFile's last case: program and arguments, never a shell.
bool RunCommandLine(const QString &commandLine, const QString &workingDirectory = {});
// The words of a command line, split as a shell splits words (quotes, backslashes) but with no
// expansion of any kind; empty for an empty text or unbalanced quotes.
QStringList SplitCommandLine(const QString &commandLine);
// A file that runs as it is: a native program or a "#!" script, with the executable bit. A
// document on a disk that marks every file executable is not one.
bool IsProgramFile(const QString &path);
// The default action of an item of the name space (an application starts, a document opens, a
// folder or virtual folder opens in the file manager or its settings program).
bool LaunchShellItem(const ShellItem &item);
// Opens an absolute URL ("https://...", "mailto:...") in the browser; anything that is not a URL
// with a scheme (for example a text starting with "-") is refused.
bool OpenUrlInBrowser(const QString &url);
// Opens a folder in the file manager.
bool OpenFolder(const QString &path);
