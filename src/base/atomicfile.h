// Whole-file writes that never leave a half-written file behind.
#pragma once

#include <QByteArray>
#include <QString>

enum class AtomicWriteResult { Written, CannotOpen, CannotWrite };

// Writes data to a temporary file beside path and renames it over path; the folder must exist.
// On failure the old file is left as it was; error (when given) receives the reason.
AtomicWriteResult WriteFileAtomicallyWithResult(const QString &path, const QByteArray &data,
                                                QString *error = nullptr);
bool WriteFileAtomically(const QString &path, const QByteArray &data);
