// A help file (.qds) as the viewer reads it: the header, the page table and the contents tree are
// read once when it opens; pages are read from the file each time they are wanted, so that memory
// does not grow with the size of the guide.
//
// The file, all numbers little-endian, short strings a length byte and that many bytes:
//   0  "QDSYS"         signature
//   5  4 bytes          version, 00 00 00 01 (hexadecimal 01000000); anything else is refused
//   9  4 bytes          offset of the page table
//  13  2 bytes          number of pages
//  15  4 bytes          offset of the contents tree
//  19  4 bytes          offset of the page data, where the contents tree ends
//  23  4 bytes          reserved
//  27  short string     help title, then the default page's name, then one byte of compression
//                       (bit 0: pages are zlib streams), one byte of flags (bit 0 resources,
//                       bit 1 Content tab, bit 2 Index tab, bit 3 Search tab) and 2 reserved bytes.
// Page table: per page its name, its title (short strings) and its stored size (4 bytes); the pages
// lie back to back from the data offset in table order. Contents tree: top-level nodes up to the
// data offset, each depth first as child count (2), page number (2; page index + 1, 0 for none),
// caption (short string) and its children.
#pragma once

#include "help/theaderinfo.h"
#include "help/ttocrec.h"
#include "help/ttoctreeinfo.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

class QIODevice;

class QdsFile
{
public:
    // The version the header must carry.
    static constexpr quint32 kVersion = 0x01000000;

    // Reads the structure of the file at path; false (and no page known) when it cannot be opened
    // or is not a help file of this version. Offsets or sizes that point outside the file refuse
    // it too, except a page's: that page alone cannot be read.
    bool Open(const QString &path);
    // The same for a file held in memory.
    bool OpenData(const QByteArray &bytes);
    bool IsOpen() const { return m_open; }

    const THeaderInfo &Header() const { return m_header; }
    const QList<TTOCRec> &Pages() const { return m_pages; }
    const std::vector<HelpContentsNode> &Contents() const { return m_contents; }
    QString FilePath() const { return m_path; }
    // The folder of pictures and style sheets: the file's path with ".qdsres" for its extension,
    // empty when the header has no resources.
    QString ResourceLocation() const { return m_resourceLocation; }

    // The first page of that exact name, or -1.
    int PageByName(const QString &name) const;

    // The file opened for reading pages, to read many in a row; null when it cannot be opened.
    std::unique_ptr<QIODevice> OpenForReading() const;
    // Page k's bytes, inflated when the file is compressed; false when they cannot be read or
    // inflated. source: the file from OpenForReading, or null to open it for this page alone.
    bool ReadPageBytes(int k, QByteArray &bytes, QIODevice *source = nullptr) const;
    // Page k's HTML as the viewer shows it: read, inflated, resources substituted.
    bool ReadPage(int k, QString &html, QIODevice *source = nullptr) const;
    // Page k's plain text for the search.
    bool ReadPageText(int k, QString &text, QIODevice *source = nullptr) const;

private:
    bool ReadStructure(QIODevice &file);
    void Clear();

    bool m_open = false;
    QString m_path;
    QByteArray m_data;        // the file itself when it was opened from memory
    THeaderInfo m_header;
    QList<TTOCRec> m_pages;
    std::vector<HelpContentsNode> m_contents;
    QString m_resourceLocation;
};
