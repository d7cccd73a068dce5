// Text from files that other programs may have written: UTF-8 where it is valid, otherwise the
// Windows-1252 code page that files made on Windows use, so that no character is lost. Quorix
// itself always writes UTF-8.
#pragma once

#include <QByteArray>
#include <QString>

bool IsValidUtf8(const QByteArray &bytes);
// The text of bytes: UTF-8 when they are valid UTF-8, else Windows-1252.
QString DecodeText(const QByteArray &bytes);
// The same text as UTF-8 bytes (unchanged when they already are UTF-8).
QByteArray TextAsUtf8(const QByteArray &bytes);
