// Whole-file writes that never leave a half-written file behind.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

enum class AtomicWriteResult { Written, CannotOpen, CannotWrite };

// Writes data to a temporary file beside path and renames it over path; the folder must exist.
// On failure the old file is left as it was; error (when given) receives the reason.
// Told of every write made through WriteFileAtomically (written or not, with the system's reason
// when not), so that a failure reaches the user even where the caller only checks the result.
// Callers that ask for the reason below report their failures themselves and are not told.
using AtomicWriteObserver = std::function<void(const QString &path, bool written, const QString &error)>;
// Returns the old observer; an empty one tells nobody.
AtomicWriteObserver SetAtomicWriteObserver(AtomicWriteObserver observer);

AtomicWriteResult WriteFileAtomicallyWithResult(const QString &path, const QByteArray &data,
                                                QString *error = nullptr);
bool WriteFileAtomically(const QString &path, const QByteArray &data);
