#include "foundation/barsettings.h"

#include "base/inifile.h"

#include <variant>

namespace {

// One key of settings.ini and the field that holds it. Every typed key is listed once, so reading
// and writing cannot drift apart.
struct SettingsKey
{
    const char *section;
    const char *key;
    std::variant<bool BarSettings::*, int BarSettings::*> field;
};

const SettingsKey kKeys[] = {
    {"menu-settings", "alwaysontop", &BarSettings::alwaysOnTop},
    {"menu-settings", "height", &BarSettings::height},
    {"menu-settings", "maxnumber", &BarSettings::maxNumber},
    {"menu-settings", "runcount", &BarSettings::runCount},
    {"menu-settings", "showicons", &BarSettings::showIcons},
    {"menu-settings", "showrun", &BarSettings::showRun},
    {"menu-settings", "runautosize", &BarSettings::runAutoSize},
    {"menu-settings", "runwidth", &BarSettings::runWidth},
    {"infobar", "enabled", &BarSettings::infoBarEnabled},
    {"infobar", "progressbar-autosize", &BarSettings::infoBarAutoSize},
    {"infobar", "width", &BarSettings::infoBarWidth},
    {"infobar", "margin", &BarSettings::infoBarMargin},
    {"marquee-settings", "showmarquee", &BarSettings::showMarquee},
    {"marquee-settings", "marqueetimer", &BarSettings::marqueeTimer},
    {"marquee-settings", "marqueeframelength", &BarSettings::marqueeFrameLength},
    {"marquee-settings", "autosize", &BarSettings::marqueeAutoSize},
    {"marquee-settings", "position", &BarSettings::marqueePosition},
    {"marquee-settings", "width", &BarSettings::marqueeWidth},
    {"alphablend", "menu_alpha", &BarSettings::menuAlpha},
    {"alphablend", "menu_noalphaonactivate", &BarSettings::noAlphaOnActivate},
    {"alphablend", "menu_dropshadow", &BarSettings::dropShadow},
};

const QString kGeneral = QStringLiteral("general");
const QString kPosition = QStringLiteral("position");
const QString kMarquee = QStringLiteral("marquee");

QString Text(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

void ReadKey(const IniFile &ini, const SettingsKey &entry, BarSettings &s)
{
    const QString section = Text(entry.section);
    const QString key = Text(entry.key);
    if (const auto *flag = std::get_if<bool BarSettings::*>(&entry.field))
        s.*(*flag) = ini.ReadBool(section, key, s.*(*flag));
    else if (const auto *number = std::get_if<int BarSettings::*>(&entry.field))
        s.*(*number) = ini.ReadInteger(section, key, s.*(*number));
}

// Writes the key when its value is not the one that was read.
bool WriteKeyIfChanged(IniFile &ini, const SettingsKey &entry, const BarSettings &now, const BarSettings &read)
{
    const QString section = Text(entry.section);
    const QString key = Text(entry.key);
    if (const auto *flag = std::get_if<bool BarSettings::*>(&entry.field)) {
        if (now.*(*flag) != read.*(*flag))
            return ini.WriteBool(section, key, now.*(*flag));
    } else if (const auto *number = std::get_if<int BarSettings::*>(&entry.field)) {
        if (now.*(*number) != read.*(*number))
            return ini.WriteInteger(section, key, now.*(*number));
    }
    return true;
}

} // namespace

long long RoundHalfEven(long long numerator, long long denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    long long quotient = numerator / denominator;
    long long remainder = numerator % denominator;
    if (remainder < 0) {          // floor division
        quotient -= 1;
        remainder += denominator;
    }
    const long long twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        quotient += 1;
    return quotient;
}

int BlendValueForAlpha(int percent)
{
    return int((255 - RoundHalfEven(255LL * percent, 100)) & 0xFF);
}

BarSettings BarSettings::Read(const IniFile &ini)
{
    BarSettings s;
    s.dockAtBottom = ini.ReadString(kGeneral, kPosition, QStringLiteral("top")) == QStringLiteral("bottom");
    s.wabFileName = ini.ReadString(kGeneral, QStringLiteral("wabfilename"));
    for (const SettingsKey &entry : kKeys)
        ReadKey(ini, entry, s);
    if (s.height < 1)
        s.height = 22; // a bar without height could never be reached again
    // Lines are numbered from 0 without gaps: reading stops at the first empty one.
    for (int i = 0;; ++i) {
        const QString line = ini.ReadString(kMarquee, QStringLiteral("line%1").arg(i));
        if (line.isEmpty())
            break;
        s.marqueeLines.append(line);
    }
    return s;
}

bool BarSettings::Write(IniFile &ini, const BarSettings &read) const
{
    bool written = true;
    if (dockAtBottom != read.dockAtBottom)
        written &= ini.WriteString(kGeneral, kPosition, dockAtBottom ? QStringLiteral("bottom") : QStringLiteral("top"));
    for (const SettingsKey &entry : kKeys)
        written &= WriteKeyIfChanged(ini, entry, *this, read);
    if (marqueeLines != read.marqueeLines) {
        written &= ini.EraseSection(kMarquee);
        for (int i = 0; i < marqueeLines.size(); ++i)
            written &= ini.WriteString(kMarquee, QStringLiteral("line%1").arg(i), marqueeLines.at(i));
    }
    return written;
}
