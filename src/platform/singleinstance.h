// One running copy per user and display: a lock held for the life of the process.
#pragma once

#include <QString>

// The X server a $DISPLAY text names, as the lock's key: ":0", ":0.0", "unix:0" and
// "localhost:0" are all "local-0" (the screen does not matter, one bar serves them all), a remote
// host keeps its name in lower case ("box-10"), and a text that names no display is "none".
QString DisplayLockKey(const QString &display);

class SingleInstanceLock
{
public:
    // The lock is named after name and the X display, so separate displays each get one bar and
    // the several spellings of one display share one.
    explicit SingleInstanceLock(const QString &name);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock &) = delete;
    SingleInstanceLock &operator=(const SingleInstanceLock &) = delete;

    // True when this process now holds the lock; false when another process holds it.
    bool TryAcquire();
    bool IsHeld() const { return m_fd >= 0; }
    void Release();
    QString LockFilePath() const { return m_path; }

private:
    QString m_path;
    int m_fd = -1;
};
