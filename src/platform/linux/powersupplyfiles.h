// The uevent files of the power supplies (/sys/class/power_supply/*/uevent), read every second
// when the info bar shows the battery. The folder is listed again only now and then, since
// supplies come and go rarely (a battery put in, a UPS plugged in); between listings each file
// stays open and is read from its start. A supply whose file can no longer be read is dropped
// at once and the folder listed again.
#pragma once

#include "platform/linux/keptopenfile.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

class PowerSupplyFiles
{
public:
    explicit PowerSupplyFiles(QString folder = QStringLiteral("/sys/class/power_supply"),
                              int relistSeconds = 30);

    // The text of every supply's uevent file that could be read, in the folder's order.
    QList<QByteArray> Read();

private:
    void List();
    bool ListingDue() const;
    // What the listed files say now; vanished tells whether one of them could not be read.
    QList<QByteArray> ReadListed(bool *vanished);

    QString m_folder;
    int m_relistSeconds;
    QElapsedTimer m_sinceListing;
    std::vector<std::unique_ptr<KeptOpenFile>> m_files;
};
