// INI files are edited by hand and imported from other machines: reading any bytes must neither
// crash nor hang, and a value written into it must read back.
#include "base/inifile.h"

#include <QByteArray>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto ini = IniFile::FromData(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (const QString &section : ini->Sections()) {
        for (const QString &key : ini->Keys(section)) {
            ini->ReadInteger(section, key, 0);
            ini->ReadBool(section, key, false);
        }
    }
    // Garbage need not survive a rewrite byte for byte, but a value Quorix writes must read back.
    ini->WriteString(QStringLiteral("fuzz"), QStringLiteral("key"), QStringLiteral("value\nnext=1"));
    if (IniFile::FromData(ini->ToData())->ReadString(QStringLiteral("FUZZ"), QStringLiteral("KEY")).isEmpty())
        std::abort();
    return 0;
}
