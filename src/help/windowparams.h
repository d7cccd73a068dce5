// Where the help viewer stood, kept between sessions as the 17-byte value "wndparams" under
// "software\Brenmoor\QDSManual" in the registry store: byte 0 is 1 when the window was maximised,
// then left, top, width and height as 32-bit little-endian integers.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

struct WindowParams
{
    bool maximized = false;
    qint32 left = 0;
    qint32 top = 0;
    qint32 width = 0;
    qint32 height = 0;

    QByteArray ToBytes() const;
    // Missing bytes count as 0; bytes beyond the 17th are ignored.
    static WindowParams FromBytes(const QByteArray &bytes);

    // The value as the registry store keeps it (hexadecimal digits), and back; text that is not
    // hexadecimal reads as no bytes at all.
    QString ToStoredText() const;
    static WindowParams FromStoredText(const QString &text);
};

inline const char *const kManualRegistryKey = "software\\Brenmoor\\QDSManual";
inline const char *const kManualPlacementValue = "wndparams";
