#include "infobar/infobarsettings.h"

#include "base/inifile.h"

#include <algorithm>

namespace {
const QString kActiveMark = QStringLiteral("active:\"1\";");
constexpr int kDefaultInterval = 15;
constexpr int kLongestInterval = 65536;
} // namespace

InfoBarSettings InfoBarSettings::Read(const IniFile &ini)
{
    const QString section = QStringLiteral("infobar");
    InfoBarSettings s;
    s.enabled = ini.ReadBool(section, QStringLiteral("enabled"), false);
    s.autoSize = ini.ReadBool(section, QStringLiteral("progressbar-autosize"), false);
    s.width = ini.ReadInteger(section, QStringLiteral("width"), 150);
    s.margin = ini.ReadInteger(section, QStringLiteral("margin"), 10);
    for (const auto &[key, value] : ini.SectionValues(QStringLiteral("infobar-objects")))
        s.objects.append(value);
    return s;
}

QStringList ActiveInfoBarObjects(const QStringList &objects)
{
    QStringList active;
    for (const QString &text : objects) {
        if (text.contains(kActiveMark))
            active.append(text);
    }
    return active;
}

int InfoBarIntervalSeconds(const QString &interval)
{
    bool ok = false;
    const qlonglong seconds = interval.trimmed().toLongLong(&ok);
    if (!ok)
        return kDefaultInterval;
    return int(std::clamp<qlonglong>(seconds, 1, kLongestInterval));
}
