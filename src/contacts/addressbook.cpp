#include "contacts/addressbook.h"

#include "base/atomicfile.h"
#include "contacts/vcardreader.h"
#include "contacts/vcardwriter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <algorithm>

namespace {

// No address book holds a card this large; a larger file is not read whole into memory.
constexpr qint64 kMaxBookFileSize = 256 * 1024 * 1024;

bool IsCardFile(const QString &name)
{
    return name.endsWith(QLatin1String(".vcf"), Qt::CaseInsensitive)
           || name.endsWith(QLatin1String(".vcard"), Qt::CaseInsensitive);
}

QString WithSlash(const QString &path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QByteArray ReadBookFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxBookFileSize)
        return {};
    return file.readAll();
}

} // namespace

AddressBook::AddressBook(const QString &path) : m_path(path) {}

bool AddressBook::Exists() const
{
    return !m_path.isEmpty() && QFileInfo::exists(m_path);
}

bool AddressBook::IsFolderBook() const
{
    // A book that does not exist yet is a folder unless its name says it is a card file.
    const QFileInfo info(m_path);
    return info.exists() ? info.isDir() : !IsCardFile(info.fileName());
}

QStringList AddressBook::Files() const
{
    if (!Exists())
        return {};
    if (!QFileInfo(m_path).isDir())
        return {m_path};
    QStringList files;
    // Collections are subfolders of the book; hidden entries (a sync tool's state) are not cards.
    QDirIterator it(m_path, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isFile() && IsCardFile(info.fileName()) && !info.fileName().startsWith(QLatin1Char('.')))
            files.append(info.filePath());
    }
    std::sort(files.begin(), files.end());
    return files;
}

void AddressBook::ForEachCard(const std::function<bool(const ContactId &, VCard &&)> &take) const
{
    for (const QString &file : Files()) {
        int position = 0;
        bool more = true;
        ReadVCards(ReadBookFile(file), [&](VCard &&card) {
            const ContactId id{file, position++, card.uid};
            more = take(id, std::move(card));
            return more;
        });
        if (!more)
            return;
    }
}

std::optional<VCard> AddressBook::FindCard(const ContactId &id) const
{
    if (!id.IsValid())
        return std::nullopt;
    const QList<VCard> cards = ReadVCards(ReadBookFile(id.file));
    if (!id.uid.isEmpty()) {
        for (const VCard &card : cards) {
            if (card.uid == id.uid)
                return card;
        }
        return std::nullopt; // the card with that UID is gone; another one took its place
    }
    if (id.position < cards.size())
        return cards[id.position];
    return std::nullopt;
}

QString AddressBook::FolderForNewCards() const
{
    // A folder of collections: the first collection that holds cards, so a new card shows up
    // where the desktop's address book looks for it.
    const QStringList files = Files();
    return files.isEmpty() ? WithSlash(m_path) : QFileInfo(files.first()).absolutePath() + QLatin1Char('/');
}

bool AddressBook::AppendCard(VCard card, QString *error) const
{
    if (card.uid.isEmpty())
        card.uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QByteArray text = FormatVCard(card);
    if (m_path.isEmpty()) {
        if (error)
            *error = QStringLiteral("No address book is set.");
        return false;
    }
    const QString folder = IsFolderBook() ? m_path : QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("The address book's folder could not be created.");
        return false;
    }
    if (IsFolderBook()) {
        const QString path = FolderForNewCards() + card.uid + QStringLiteral(".vcf");
        return WriteFileAtomicallyWithResult(path, text, error) == AtomicWriteResult::Written;
    }
    QByteArray book;
    if (Exists()) {
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly)) {
            if (error)
                *error = file.errorString();
            return false;
        }
        book = file.readAll();
        // The new card starts on a line of its own, with the book's own line ends.
        if (!book.isEmpty() && !book.endsWith('\n'))
            book.append(book.contains("\r\n") ? "\r\n" : "\n");
    }
    return WriteFileAtomicallyWithResult(m_path, book + text, error) == AtomicWriteResult::Written;
}
