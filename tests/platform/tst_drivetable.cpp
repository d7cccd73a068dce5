// Drive letters from mount tables: C is the root, local volumes follow in mount point order, then
// network file systems, then optical drives; kernel file systems, images and bind mounts get none.
#include "platform/linux/drivetable.h"

#include <QTest>

namespace {

QString TypeName(DriveType type)
{
    switch (type) {
    case DriveType::Fixed: return QStringLiteral("fixed");
    case DriveType::CdRom: return QStringLiteral("cd");
    case DriveType::Removable: return QStringLiteral("removable");
    case DriveType::Remote: return QStringLiteral("remote");
    }
    return {};
}

// "C=/ fixed|D=/home/ fixed|E= cd /dev/sr0"
QString Describe(const QList<DriveInfo> &table)
{
    QStringList parts;
    for (const DriveInfo &drive : table) {
        QString part = QString(drive.letter) + QLatin1Char('=') + drive.mountPoint + QLatin1Char(' ')
            + TypeName(drive.type);
        if (drive.type == DriveType::CdRom)
            part += QLatin1Char(' ') + drive.device;
        parts.append(part);
    }
    return parts.join(QLatin1Char('|'));
}

QList<DriveInfo> Build(const QByteArray &mounts, const QStringList &optical, const QStringList &removable)
{
    return BuildDriveTable(ParseMountTable(mounts), optical, [&](const MountEntry &mount) {
        return removable.contains(mount.device) || removable.contains(mount.majorMinor);
    });
}

} // namespace

class TestDriveTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void letters_data();
    void letters();
    void lettersStopAtZ();
    void parsesBothFormats_data();
    void parsesBothFormats();
};

void TestDriveTable::letters_data()
{
    QTest::addColumn<QByteArray>("mounts");
    QTest::addColumn<QStringList>("optical");
    QTest::addColumn<QStringList>("removable");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty table still has C") << QByteArray() << QStringList() << QStringList()
                                             << "C=/ fixed";
    QTest::newRow("root only")
        << QByteArray("sysfs /sys sysfs rw,nosuid 0 0\nproc /proc proc rw 0 0\n"
                      "udev /dev devtmpfs rw 0 0\n/dev/sda1 / ext4 rw,relatime 0 0\n"
                      "tmpfs /run tmpfs rw 0 0\ncgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n")
        << QStringList() << QStringList() << "C=/ fixed";
    QTest::newRow("fixed disks sorted by mount point")
        << QByteArray("/dev/sda1 / ext4 rw 0 0\n/dev/sdb1 /srv ext4 rw 0 0\n"
                      "/dev/sda2 /home ext4 rw 0 0\n/dev/nvme0n1p1 /boot/efi vfat rw 0 0\n")
        << QStringList() << QStringList() << "C=/ fixed|D=/boot/efi/ fixed|E=/home/ fixed|F=/srv/ fixed";
    QTest::newRow("memory and image file systems skipped")
        << QByteArray("overlay / overlay rw,lowerdir=/a 0 0\ntmpfs /tmp tmpfs rw 0 0\n"
                      "/dev/loop0 /snap/core/1 squashfs ro 0 0\n/dev/sdb1 /data xfs rw 0 0\n"
                      "gvfsd-fuse /run/user/1000/gvfs fuse.gvfsd-fuse rw 0 0\n")
        << QStringList() << QStringList() << "C=/ fixed|D=/data/ fixed";
    QTest::newRow("network file systems are remote, after local ones")
        << QByteArray("/dev/sda1 / ext4 rw 0 0\nserver:/export /mnt/nfs nfs4 rw 0 0\n"
                      "//host/share /mnt/win cifs rw 0 0\nme@host:/ /mnt/ssh fuse.sshfs rw 0 0\n"
                      "/dev/sdb1 /zz ext4 rw 0 0\n")
        << QStringList() << QStringList()
        << "C=/ fixed|D=/zz/ fixed|E=/mnt/nfs/ remote|F=/mnt/ssh/ remote|G=/mnt/win/ remote";
    QTest::newRow("optical drives last, with or without a disc")
        << QByteArray("/dev/sda1 / ext4 rw 0 0\n/dev/sr0 /media/u/DISC iso9660 ro 0 0\n"
                      "/dev/sdb1 /media/u/STICK vfat rw 0 0\n")
        << QStringList{"/dev/sr1", "/dev/sr0"} << QStringList{"/dev/sdb1"}
        << "C=/ fixed|D=/media/u/STICK/ removable|E=/media/u/DISC/ cd /dev/sr0|F= cd /dev/sr1";
    QTest::newRow("disc mounted through /dev/cdrom")
        << QByteArray("/dev/sda1 / ext4 rw 0 0\n/dev/cdrom /mnt/cd udf ro 0 0\n")
        << QStringList{"/dev/sr0"} << QStringList() << "C=/ fixed|D=/mnt/cd/ cd /dev/sr0";
    QTest::newRow("optical drives sorted by number")
        << QByteArray("/dev/sda1 / ext4 rw 0 0\n")
        << QStringList{"/dev/sr10", "/dev/sr2"} << QStringList()
        << "C=/ fixed|D= cd /dev/sr2|E= cd /dev/sr10";
    QTest::newRow("one volume mounted twice gets one letter")
        << QByteArray("/dev/sda1 / ext4 rw 0 0\n/dev/sdb1 /mnt/b ext4 rw 0 0\n"
                      "/dev/sdb1 /mnt/a ext4 rw 0 0\n/dev/sda1 /mnt/root ext4 rw 0 0\n")
        << QStringList() << QStringList() << "C=/ fixed|D=/mnt/a/ fixed";
    QTest::newRow("the last mount on a mount point hides the ones below")
        << QByteArray("/dev/sda1 / ext4 rw 0 0\n/dev/sdc1 /mnt/c ext4 rw 0 0\n"
                      "tmpfs /mnt/c tmpfs rw 0 0\n/dev/sdd1 /mnt/d ext4 rw 0 0\n")
        << QStringList() << QStringList() << "C=/ fixed|D=/mnt/d/ fixed";
    QTest::newRow("btrfs subvolumes are volumes of their own")
        << QByteArray("/dev/sda2 / btrfs rw,subvol=/@ 0 0\n/dev/sda2 /home btrfs rw,subvol=/@home 0 0\n")
        << QStringList() << QStringList() << "C=/ fixed|D=/home/ fixed";
    QTest::newRow("network root")
        << QByteArray("server:/root / nfs rw 0 0\n") << QStringList() << QStringList() << "C=/ remote";
    QTest::newRow("mountinfo: bind mounts skipped, escapes decoded, removable by device number")
        << QByteArray("26 1 0:52 / / rw,relatime master:1 - overlay overlay rw,lowerdir=/l\n"
                      "27 26 254:1 /docker/containers/x/hosts /etc/hosts rw - ext4 /dev/vda1 rw\n"
                      "28 26 8:17 / /media/u/USB\\040STICK rw shared:5 - vfat /dev/sdb1 rw\n"
                      "29 26 11:0 / /media/u/CD ro - iso9660 /dev/sr0 ro\n"
                      "30 26 254:1 / /var/lib/data rw - ext4 /dev/vda1 rw\n"
                      "31 26 8:2 /@home /home rw - btrfs /dev/sda2 rw,subvol=/@home\n")
        << QStringList{"/dev/sr0"} << QStringList{"8:17"}
        << "C=/ fixed|D=/home/ fixed|E=/media/u/USB STICK/ removable|F=/var/lib/data/ fixed"
           "|G=/media/u/CD/ cd /dev/sr0";
}

void TestDriveTable::letters()
{
    QFETCH(QByteArray, mounts);
    QFETCH(QStringList, optical);
    QFETCH(QStringList, removable);
    QFETCH(QString, expected);
    QCOMPARE(Describe(Build(mounts, optical, removable)), expected);
}

void TestDriveTable::lettersStopAtZ()
{
    QByteArray mounts("/dev/sda1 / ext4 rw 0 0\n");
    for (int i = 0; i < 30; ++i)
        mounts += QStringLiteral("/dev/sdb%1 /mnt/d%2 ext4 rw 0 0\n").arg(i + 1).arg(i, 2, 10, QLatin1Char('0')).toUtf8();
    const QList<DriveInfo> table = Build(mounts, {"/dev/sr0"}, {});
    QCOMPARE(table.size(), 24);
    QCOMPARE(table.first().letter, QLatin1Char('C'));
    QCOMPARE(table.last().letter, QLatin1Char('Z'));
    QCOMPARE(table.last().mountPoint, QStringLiteral("/mnt/d22/"));
    for (qsizetype i = 1; i < table.size(); ++i)
        QCOMPARE(table[i].letter.unicode(), table[i - 1].letter.unicode() + 1);
}

void TestDriveTable::parsesBothFormats_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("mountPoint");
    QTest::addColumn<QString>("fsType");
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("majorMinor");

    QTest::newRow("mounts") << QByteArray("/dev/sda1 /mnt/my\\040disk\\011x ext4 rw 0 0")
                            << "/dev/sda1" << "/mnt/my disk\tx" << "ext4" << "/" << "";
    QTest::newRow("mounts without numbers") << QByteArray("/dev/sda1 /mnt ext4")
                                            << "/dev/sda1" << "/mnt" << "ext4" << "/" << "";
    QTest::newRow("mountinfo with tags")
        << QByteArray("36 35 98:0 /mnt1 /mnt2 rw,noatime master:1 shared:2 - ext3 /dev/root rw,errors=continue")
        << "/dev/root" << "/mnt2" << "ext3" << "/mnt1" << "98:0";
    QTest::newRow("mountinfo without tags")
        << QByteArray("26 1 254:0 / / rw,relatime - ext4 /dev/vda rw,discard")
        << "/dev/vda" << "/" << "ext4" << "/" << "254:0";
    QTest::newRow("backslash kept") << QByteArray("/dev/sda1 /mnt/a\\134b\\9 ext4 rw 0 0")
                                    << "/dev/sda1" << "/mnt/a\\b\\9" << "ext4" << "/" << "";
}

void TestDriveTable::parsesBothFormats()
{
    QFETCH(QByteArray, line);
    const QList<MountEntry> entries = ParseMountTable(line + "\nnonsense\n\n");
    QCOMPARE(entries.size(), 1);
    QTEST(entries.first().device, "device");
    QTEST(entries.first().mountPoint, "mountPoint");
    QTEST(entries.first().fsType, "fsType");
    QTEST(entries.first().root, "root");
    QTEST(entries.first().majorMinor, "majorMinor");
}

QTEST_GUILESS_MAIN(TestDriveTable)
#include "tst_drivetable.moc"
