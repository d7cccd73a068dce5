#include "help/qdsfile.h"

#include "base/textencoding.h"
#include "help/pagehtml.h"
#include "help/pageinflater.h"
#include "help/qdsreader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

namespace {
const QByteArray kSignature = QByteArrayLiteral("QDSYS");
// Deeper trees than this are not a guide anyone wrote; the limit keeps a hostile file from
// exhausting the stack.
constexpr int kMaxContentsDepth = 64;

bool ReadHeader(QdsReader &reader, THeaderInfo &header)
{
    if (reader.Bytes(kSignature.size()) != kSignature)
        return false;
    header.version = reader.U32();
    if (!reader.Ok() || header.version != QdsFile::kVersion)
        return false;
    header.pageTableOffset = reader.U32();
    header.pageCount = reader.U16();
    header.contentsOffset = reader.U32();
    header.dataOffset = reader.U32();
    reader.U32();   // reserved
    header.title = reader.ShortString();
    header.defaultPage = reader.ShortString();
    header.compressed = reader.U8() & 1;
    const quint8 flags = reader.U8();
    header.hasResources = flags & 1;
    header.showContent = flags & 2;
    header.showIndex = flags & 4;
    header.showSearch = flags & 8;
    reader.U16();   // reserved
    return reader.Ok();
}

bool ReadPageTable(QdsReader &reader, const THeaderInfo &header, QList<TTOCRec> &pages)
{
    if (header.pageCount == 0 || header.pageTableOffset == 0)
        return true;
    if (!reader.Seek(header.pageTableOffset))
        return false;
    qint64 offset = header.dataOffset;
    for (int k = 0; k < header.pageCount; ++k) {
        TTOCRec page;
        page.name = reader.ShortString();
        page.title = reader.ShortString();
        page.size = reader.U32();
        page.offset = offset;
        if (!reader.Ok())
            return false;
        offset += page.size;
        pages.append(page);
    }
    return true;
}

// One node and its children, depth first; false when the file ends inside it.
bool ReadContentsNode(QdsReader &reader, const QList<TTOCRec> &pages, int depth, HelpContentsNode &node)
{
    if (depth > kMaxContentsDepth)
        return false;
    const quint16 childCount = reader.U16();
    const quint16 pageNumber = reader.U16();
    node.caption = reader.ShortString();
    if (!reader.Ok())
        return false;
    node.info.pageIndex = int(pageNumber) - 1;
    if (node.caption.isEmpty() && node.info.pageIndex >= 0 && node.info.pageIndex < pages.size())
        node.caption = pages[node.info.pageIndex].title;
    for (int i = 0; i < childCount; ++i) {
        HelpContentsNode child;
        if (!ReadContentsNode(reader, pages, depth + 1, child))
            return false;
        node.children.push_back(std::move(child));
    }
    return true;
}

// The top-level nodes up to the data offset. A node that the file cuts short, and what follows
// it, is left out; the nodes before it stay.
bool ReadContents(QdsReader &reader, const THeaderInfo &header, const QList<TTOCRec> &pages,
                  std::vector<HelpContentsNode> &contents)
{
    if (header.contentsOffset == 0 || header.contentsOffset == header.dataOffset)
        return true;
    if (!reader.Seek(header.contentsOffset))
        return false;
    while (reader.Position() < header.dataOffset && reader.Position() < reader.Size() - 1) {
        HelpContentsNode node;
        if (!ReadContentsNode(reader, pages, 1, node))
            break;
        contents.push_back(std::move(node));
    }
    return true;
}

QString ResourceLocationOf(const QString &path)
{
    const QFileInfo file(path);
    const QString suffix = file.suffix();
    const QString base = suffix.isEmpty() ? path : path.left(path.size() - suffix.size() - 1);
    return base + QStringLiteral(".qdsres");
}
} // namespace

void QdsFile::Clear()
{
    m_open = false;
    m_header = THeaderInfo();
    m_pages.clear();
    m_contents.clear();
    m_resourceLocation.clear();
}

bool QdsFile::Open(const QString &path)
{
    Clear();
    m_data.clear();
    m_path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return ReadStructure(file);
}

bool QdsFile::OpenData(const QByteArray &bytes)
{
    Clear();
    m_path.clear();
    m_data = bytes;
    QBuffer buffer(&m_data);
    buffer.open(QIODevice::ReadOnly);
    return ReadStructure(buffer);
}

bool QdsFile::ReadStructure(QIODevice &file)
{
    QdsReader reader(file);
    if (!ReadHeader(reader, m_header) || !ReadPageTable(reader, m_header, m_pages)
        || !ReadContents(reader, m_header, m_pages, m_contents)) {
        Clear();
        return false;
    }
    if (m_header.hasResources && !m_path.isEmpty())
        m_resourceLocation = ResourceLocationOf(m_path);
    m_open = true;
    return true;
}

int QdsFile::PageByName(const QString &name) const
{
    for (int k = 0; k < m_pages.size(); ++k) {
        if (m_pages[k].name == name)
            return k;
    }
    return -1;
}

std::unique_ptr<QIODevice> QdsFile::OpenForReading() const
{
    std::unique_ptr<QIODevice> device;
    if (m_path.isEmpty())
        device = std::make_unique<QBuffer>(const_cast<QByteArray *>(&m_data));
    else
        device = std::make_unique<QFile>(m_path);
    if (!device->open(QIODevice::ReadOnly))
        return nullptr;
    return device;
}

bool QdsFile::ReadPageBytes(int k, QByteArray &bytes, QIODevice *source) const
{
    if (!m_open || k < 0 || k >= m_pages.size())
        return false;
    std::unique_ptr<QIODevice> own;
    if (!source) {
        own = OpenForReading();
        source = own.get();
    }
    if (!source)
        return false;
    const TTOCRec &page = m_pages[k];
    if (page.size == 0) {
        bytes.clear();
        return true;
    }
    QdsReader reader(*source);
    reader.Seek(page.offset);
    const QByteArray stored = reader.Bytes(page.size);
    if (!reader.Ok())
        return false;
    if (!m_header.compressed) {
        bytes = stored;
        return true;
    }
    return InflatePage(stored, bytes);
}

bool QdsFile::ReadPage(int k, QString &html, QIODevice *source) const
{
    QByteArray bytes;
    if (!ReadPageBytes(k, bytes, source))
        return false;
    html = DecodeText(bytes);
    if (m_header.hasResources)
        html = SubstituteResourceLocation(html, m_resourceLocation);
    return true;
}

bool QdsFile::ReadPageText(int k, QString &text, QIODevice *source) const
{
    QByteArray bytes;
    if (!ReadPageBytes(k, bytes, source))
        return false;
    text = PlainPageTextFromBytes(bytes);
    return true;
}
