// Desktop entries and icon files come from any folder a menu lists: whatever their bytes, reading
// them must not crash, hang or take memory beyond what a menu entry is worth. The first byte picks
// what the rest is: a desktop entry read from memory, or a file (a desktop entry, or a picture of
// one of the kinds menu icons come in) read the way a menu reads it.
#include "foundation/menuicons.h"
#include "platform/linux/desktopentry.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdlib>

namespace {
const char *const kNames[] = {"entry.desktop", "icon.png", "icon.ico", "icon.svg", "icon.xpm", "icon.bmp",
                              "icon.gif", "icon.jpg"};
QTemporaryDir *g_folder = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    static QTemporaryDir folder;
    g_folder = &folder;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    const int choice = data[0] % 9;
    if (choice == 8) {
        const DesktopEntryInfo entry = ReadDesktopEntryData(bytes);
        if (entry.kind == DesktopEntryInfo::Invalid && entry.visible)
            std::abort();
        return 0;
    }
    const QString path = g_folder->filePath(QString::fromLatin1(kNames[choice]));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return 0;
    file.close();
    const QIcon icon = IconFromFile(path, data[1] % 4);
    // The toolkit loads some icons only when they are drawn: draw it, small, as a menu does.
    if (!icon.isNull())
        icon.pixmap(16, 16);
    return 0;
}
