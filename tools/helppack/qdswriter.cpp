#include "qdswriter.h"

#include "base/atomicfile.h"

#include <zlib.h>

#include <limits>

namespace {
void AppendU8(QByteArray &out, quint8 value)
{
    out.append(char(value));
}

void AppendU16(QByteArray &out, quint16 value)
{
    AppendU8(out, value & 0xFF);
    AppendU8(out, value >> 8);
}

void AppendU32(QByteArray &out, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        AppendU8(out, (value >> shift) & 0xFF);
}

void PutU32(QByteArray &out, qsizetype at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = char((value >> (8 * i)) & 0xFF);
}

// A zlib stream with header and Adler-32 check (RFC 1950).
QByteArray Compress(const QByteArray &data)
{
    uLongf size = compressBound(uLong(data.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef *>(out.data()), &size,
                  reinterpret_cast<const Bytef *>(data.constData()), uLong(data.size()), Z_BEST_COMPRESSION)
        != Z_OK)
        return {};
    out.truncate(qsizetype(size));
    return out;
}
} // namespace

void QdsWriter::SetTabs(bool content, bool index, bool search)
{
    m_tabs = (content ? 2 : 0) | (index ? 4 : 0) | (search ? 8 : 0);
}

int QdsWriter::AddPage(const QString &name, const QString &title, const QByteArray &html)
{
    m_pages.append({name, title, html});
    return int(m_pages.size() - 1);
}

bool QdsWriter::AppendShortString(QByteArray &out, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    if (bytes.size() > 255) {
        m_error = QStringLiteral("Longer than 255 bytes: %1").arg(text);
        return false;
    }
    AppendU8(out, quint8(bytes.size()));
    out.append(bytes);
    return true;
}

bool QdsWriter::AppendNode(QByteArray &out, const Node &node)
{
    if (node.children.size() > 0xFFFF) {
        m_error = QStringLiteral("More than 65535 entries below: %1").arg(node.caption);
        return false;
    }
    if (node.pageIndex >= int(m_pages.size())) {
        m_error = QStringLiteral("No such page for the contents entry: %1").arg(node.caption);
        return false;
    }
    AppendU16(out, quint16(node.children.size()));
    AppendU16(out, quint16(node.pageIndex + 1));
    if (!AppendShortString(out, node.caption))
        return false;
    for (const Node &child : node.children) {
        if (!AppendNode(out, child))
            return false;
    }
    return true;
}

QByteArray QdsWriter::Write()
{
    m_error.clear();
    if (m_pages.size() > 0xFFFF) {
        m_error = QStringLiteral("More than 65535 pages");
        return {};
    }
    QByteArray file("QDSYS");
    AppendU32(file, 0x01000000);
    const qsizetype offsetsAt = file.size();
    AppendU32(file, 0);                  // page table
    AppendU16(file, quint16(m_pages.size()));
    AppendU32(file, 0);                  // contents tree
    AppendU32(file, 0);                  // page data
    AppendU32(file, 0);                  // reserved
    if (!AppendShortString(file, m_title) || !AppendShortString(file, m_defaultPage))
        return {};
    AppendU8(file, m_compressed ? 1 : 0);
    AppendU8(file, quint8((m_resources ? 1 : 0) | m_tabs));
    AppendU16(file, 0);                  // reserved

    QList<QByteArray> stored;
    for (const Page &page : m_pages)
        stored.append(m_compressed && !page.html.isEmpty() ? Compress(page.html) : page.html);

    const qsizetype pageTable = file.size();
    for (int k = 0; k < m_pages.size(); ++k) {
        if (!AppendShortString(file, m_pages[k].name) || !AppendShortString(file, m_pages[k].title))
            return {};
        AppendU32(file, quint32(stored[k].size()));
    }
    const qsizetype contents = file.size();
    for (const Node &node : m_contents) {
        if (!AppendNode(file, node))
            return {};
    }
    const qsizetype data = file.size();
    for (const QByteArray &page : stored)
        file.append(page);
    if (file.size() > std::numeric_limits<quint32>::max()) {
        m_error = QStringLiteral("Larger than 4 GB");
        return {};
    }
    PutU32(file, offsetsAt, quint32(m_pages.isEmpty() ? 0 : pageTable));
    PutU32(file, offsetsAt + 6, quint32(m_contents.empty() ? 0 : contents));
    PutU32(file, offsetsAt + 10, quint32(data));
    return file;
}

bool QdsWriter::WriteFile(const QString &path)
{
    const QByteArray file = Write();
    if (file.isEmpty())
        return false;
    if (!WriteFileAtomically(path, file)) {
        m_error = QStringLiteral("Cannot write %1").arg(path);
        return false;
    }
    return true;
}
