// Reading the kernel's small text files (/proc, /sys): one open, a few reads, no buffering layer.
#pragma once

#include <QByteArray>
#include <QString>

// The whole file, at most limit bytes; a null array when it cannot be opened or read.
QByteArray ReadKernelFile(const QString &path, qsizetype limit = 1 << 20);

// Like ReadKernelFile, but stops after the first chunk that ends beyond the lines starting with
// prefix, for files whose wanted lines come first (the "cpu" lines of /proc/stat).
QByteArray ReadKernelFileLeadingLines(const QString &path, const QByteArray &prefix,
                                      qsizetype limit = 1 << 20);

// The same from a file already open, read from its start (pread: the kernel makes the text anew
// for every read from offset 0), so a file read every second needs no open and close each time.
QByteArray ReadKernelFileFrom(int fd, const QByteArray &stopPrefix = {}, qsizetype limit = 1 << 20);
