#include "base/atomicfile.h"

#include <QSaveFile>

namespace {
// Writes until everything is written or the device reports an error.
bool WriteAll(QIODevice &device, const QByteArray &data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const qint64 written = device.write(data.constData() + done, data.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

AtomicWriteObserver &Observer()
{
    static AtomicWriteObserver observer;
    return observer;
}
} // namespace

AtomicWriteObserver SetAtomicWriteObserver(AtomicWriteObserver observer)
{
    AtomicWriteObserver old = std::move(Observer());
    Observer() = std::move(observer);
    return old;
}

AtomicWriteResult WriteFileAtomicallyWithResult(const QString &path, const QByteArray &data, QString *error)
{
    // Unbuffered, so that a short write (a full disk) is seen here: through the write buffer it
    // would be lost and the truncated file committed as if complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return AtomicWriteResult::CannotOpen;
    }
    if (!WriteAll(file, data) || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return AtomicWriteResult::CannotWrite;
    }
    return AtomicWriteResult::Written;
}

bool WriteFileAtomically(const QString &path, const QByteArray &data)
{
    QString error;
    const bool written = WriteFileAtomicallyWithResult(path, data, &error) == AtomicWriteResult::Written;
    if (Observer()) {
        const AtomicWriteObserver observer = Observer(); // it may show a box that writes again
        observer(path, written, error);
    }
    return written;
}
