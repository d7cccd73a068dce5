// A kernel text file read again and again (/proc/stat and /proc/meminfo every second): opened
// once, read from its start each time, closed with the object.
#pragma once

#include <QByteArray>
#include <QString>

class KeptOpenFile
{
public:
    explicit KeptOpenFile(QString path) : m_path(std::move(path)) {}
    ~KeptOpenFile();
    KeptOpenFile(const KeptOpenFile &) = delete;
    KeptOpenFile &operator=(const KeptOpenFile &) = delete;

    // The file's text as ReadKernelFileLeadingLines (stopPrefix) or ReadKernelFile (none) gives
    // it; a null array when it cannot be read. A descriptor that fails is closed and the file is
    // opened afresh once.
    QByteArray Read(const QByteArray &stopPrefix = {}, qsizetype limit = 1 << 20);

private:
    bool Open();
    void Close();

    QString m_path;
    int m_fd = -1;
};
