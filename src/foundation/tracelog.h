// The diagnostic trace: with "/debug" as the first argument, Quorix writes timestamped lines to
// "debug.txt" beside the program (or in its state folder when the program folder is read-only).
#pragma once

#include <QString>
#include <QStringList>

// Tracing is on exactly when the first argument after the program name is "/debug".
void SetTraceFromArguments(const QStringList &arguments);
void SetTraceEnabled(bool enabled);
bool TraceEnabled();
QString TraceFilePath();
// Empties the trace file (once per run, before the first line).
void ResetTraceFile();
void TraceLine(const QString &message);
