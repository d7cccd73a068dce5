// One running copy per user and display: a lock held for the life of the process.
#pragma once

#include <QString>

class SingleInstanceLock
{
public:
    // The lock is named after name and the X display, so separate displays each get one bar.
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
