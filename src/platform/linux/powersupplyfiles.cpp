#include "platform/linux/powersupplyfiles.h"

#include <QFile>

#include <dirent.h>

namespace {
constexpr qsizetype kUeventLimit = 65536;
} // namespace

PowerSupplyFiles::PowerSupplyFiles(QString folder, int relistSeconds)
    : m_folder(std::move(folder)), m_relistSeconds(relistSeconds)
{
}

bool PowerSupplyFiles::ListingDue() const
{
    return !m_sinceListing.isValid() || m_sinceListing.elapsed() >= qint64(m_relistSeconds) * 1000;
}

void PowerSupplyFiles::List()
{
    m_files.clear();
    m_sinceListing.start();
    DIR *folder = ::opendir(QFile::encodeName(m_folder).constData());
    if (!folder)
        return;
    while (const dirent *entry = ::readdir(folder)) {
        if (entry->d_name[0] == '.')
            continue;
        m_files.push_back(std::make_unique<KeptOpenFile>(
            m_folder + QLatin1Char('/') + QFile::decodeName(entry->d_name)
            + QStringLiteral("/uevent")));
    }
    ::closedir(folder);
}

QList<QByteArray> PowerSupplyFiles::ReadListed(bool *vanished)
{
    QList<QByteArray> texts;
    *vanished = false;
    for (const std::unique_ptr<KeptOpenFile> &file : m_files) {
        const QByteArray text = file->Read({}, kUeventLimit);
        if (text.isNull())
            *vanished = true;
        else if (!text.isEmpty())
            texts.append(text);
    }
    return texts;
}

QList<QByteArray> PowerSupplyFiles::Read()
{
    if (ListingDue())
        List();
    bool vanished = false;
    QList<QByteArray> texts = ReadListed(&vanished);
    if (vanished) {
        List(); // a supply went away: see what is there now
        texts = ReadListed(&vanished);
    }
    return texts;
}
