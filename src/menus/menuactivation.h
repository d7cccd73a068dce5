// What choosing a generated menu entry does: its item opens with its default action, an Internet
// shortcut opens in the web browser, a macro path is resolved (a merged Programs or Desktop entry
// to the user's copy first) and started.
#pragma once

class QObject;
class QString;

// Click handler of generated entries; senders that are not TBMenuItems are ignored.
void OpenProgramClick(QObject *sender);

// The disc's AutoRun command: "open" of section [autorun] in its autorun.inf (file name in any
// case), started with the disc as working folder. False when the disc has no such command or it
// could not be started.
bool StartAutoRun(const QString &mountPoint);
// The command itself; empty when the disc has none.
QString AutoRunCommand(const QString &mountPoint);
