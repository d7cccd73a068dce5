// Internet shortcuts arrive from anywhere (downloads, other systems): any content must read
// without crashing, and the address read is one trimmed line that reads back the same.
#include "platform/internetshortcut.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString url = ReadInternetShortcutData(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (url.contains(QLatin1Char('\n')) || url.contains(QLatin1Char('\r')) || url != url.trimmed())
        std::abort();
    if (!url.isEmpty()) {
        const QByteArray written = "[InternetShortcut]\r\nURL=" + url.toUtf8() + "\r\n";
        if (ReadInternetShortcutData(written) != url)
            std::abort();
    }
    return 0;
}
