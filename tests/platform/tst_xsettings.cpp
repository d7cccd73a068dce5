// Reading the desktop's XSETTINGS: the icon theme's name out of the settings daemon's property,
// in either byte order, past settings of every type, and nothing out of damaged data.
#include "platform/linux/xsettings.h"

#include <QtEndian>
#include <QTest>

namespace {

// Builds a property as a settings daemon writes it.
class Settings
{
public:
    explicit Settings(bool bigEndian = false) : m_bigEndian(bigEndian) {}
    Settings &Integer(const QByteArray &name, quint32 value) { return Head(0, name).Card32(value); }
    Settings &String(const QByteArray &name, const QByteArray &value)
    {
        Head(1, name).Card32(quint32(value.size()));
        return Padded(value);
    }
    Settings &Color(const QByteArray &name)
    {
        Head(2, name);
        m_body.append(8, '\x7f');
        return *this;
    }
    QByteArray Bytes(int claimedCount = -1) const
    {
        QByteArray data;
        data.append(char(m_bigEndian ? 1 : 0)).append(3, '\0');
        data.append(Card32Bytes(7)); // serial
        data.append(Card32Bytes(quint32(claimedCount < 0 ? m_count : claimedCount)));
        return data + m_body;
    }

private:
    QByteArray Card32Bytes(quint32 value) const
    {
        QByteArray bytes(4, '\0');
        if (m_bigEndian)
            qToBigEndian(value, bytes.data());
        else
            qToLittleEndian(value, bytes.data());
        return bytes;
    }
    Settings &Card32(quint32 value)
    {
        m_body.append(Card32Bytes(value));
        return *this;
    }
    Settings &Padded(const QByteArray &bytes)
    {
        m_body.append(bytes).append((4 - bytes.size() % 4) % 4, '\0');
        return *this;
    }
    Settings &Head(char type, const QByteArray &name)
    {
        ++m_count;
        m_body.append(type).append('\0');
        QByteArray length(2, '\0');
        if (m_bigEndian)
            qToBigEndian(quint16(name.size()), length.data());
        else
            qToLittleEndian(quint16(name.size()), length.data());
        m_body.append(length);
        Padded(name);
        return Card32(1); // last change serial
    }

    bool m_bigEndian;
    int m_count = 0;
    QByteArray m_body;
};

const QByteArray kName = QByteArrayLiteral("Net/IconThemeName");

} // namespace

class TestXSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void iconThemeName_data();
    void iconThemeName();
};

void TestXSettings::iconThemeName_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("name"); // "-": none

    const Settings typical = Settings()
                                 .Integer("Net/DoubleClickTime", 400)
                                 .Color("Gtk/Color")
                                 .String("Net/ThemeName", "Adwaita-dark")
                                 .String(kName, "Papirus");
    QTest::newRow("after settings of every type") << typical.Bytes() << "Papirus";
    QTest::newRow("most significant byte first")
        << Settings(true).Integer("Xft/DPI", 98304).String(kName, "Tango").Bytes() << "Tango";
    QTest::newRow("a name that fills its padding") << Settings().String(kName, "Abcd").Bytes() << "Abcd";
    QTest::newRow("not ASCII") << Settings().String(kName, "Ämbla").Bytes() << "Ämbla";
    QTest::newRow("no such setting") << Settings().String("Net/ThemeName", "Adwaita").Bytes() << "-";
    QTest::newRow("a name that only begins alike") << Settings().String(kName + "X", "Wrong").Bytes() << "-";
    QTest::newRow("empty property") << QByteArray() << "-";
    QTest::newRow("header only, cut") << QByteArray("\0\0\0\0\1\0", 6) << "-";
    QTest::newRow("more settings claimed than there are") << Settings().Integer("A", 1).Bytes(1000) << "-";
    QTest::newRow("cut in the middle of the value") << typical.Bytes().chopped(6) << "-";
    QTest::newRow("a string longer than the data")
        << Settings().String(kName, "Papirus").Bytes().replace(QByteArray("\7\0\0\0Papi"), QByteArray("\xff\xff\0\0Papi"))
        << "-";
    QByteArray unknownType = Settings().Integer("A", 1).String(kName, "Papirus").Bytes();
    unknownType[12] = 9;
    QTest::newRow("an unknown type ends the reading") << unknownType << "-";
}

void TestXSettings::iconThemeName()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, name);
    const std::optional<QString> found = XSettingsString(data, kName);
    if (name == QLatin1String("-"))
        QVERIFY(!found);
    else
        QCOMPARE(found.value_or(QStringLiteral("(none)")), name);
}

QTEST_APPLESS_MAIN(TestXSettings)
#include "tst_xsettings.moc"
