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
