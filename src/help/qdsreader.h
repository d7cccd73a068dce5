// Reading the little-endian numbers and short strings of a help file, with every read checked
// against the end of the file.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QIODevice;

class QdsReader
{
public:
    explicit QdsReader(QIODevice &device);

    // False once any read ran past the end or failed; every later read fails too.
    bool Ok() const { return m_ok; }
    qint64 Position() const;
    qint64 Size() const { return m_size; }
    bool Seek(qint64 position);

    QByteArray Bytes(qint64 count);
    quint8 U8();
    quint16 U16();
    quint32 U32();
    // A length byte and that many bytes of text (UTF-8, or Windows-1252 when it is not).
    QString ShortString();

private:
    QIODevice &m_device;
    qint64 m_size;
    bool m_ok = true;
};
