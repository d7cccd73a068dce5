#include "foundation/barsettings.h"

#include "base/inifile.h"

#include <variant>

namespace {

// One key of settings.ini and the field that holds it. Every typed key is listed once, so reading
// and writing cannot drift apart. A number read outside [minimum, maximum] is taken as the nearest
// bound (the file keeps what was typed until the setting is changed): a hand-edited
// "runwidth=2147483647" must not make a widget that eats the memory or a bar half the screen high.
struct SettingsKey
{
    const char *section;
    const char *key;
    std::variant<bool BarSettings::*, int BarSettings::*> field;
    int minimum = 0;
    int maximum = 0; // no bounds when not above minimum
};

// The bounds: what the settings dialog's spinners allow, a row no higher than a bar can use, no
// more items than any menu can show.
constexpr int kMaxRowHeight = 200;
constexpr int kMaxMenuItems = 9999;
constexpr int kMaxRunCount = 999;
constexpr int kMaxWidth = 9999;
constexpr int kMaxMarqueeWidth = 999;
constexpr int kMaxMargin = 999;
constexpr int kMaxFrameSeconds = 999;
// Marquee lines are numbered without gaps; no bar shows more than this many in turn.
constexpr int kMaxMarqueeLines = 1000;

const SettingsKey kKeys[] = {
    {"menu-settings", "alwaysontop", &BarSettings::alwaysOnTop},
    {"menu-settings", "height", &BarSettings::height, 1, kMaxRowHeight},
    {"menu-settings", "maxnumber", &BarSettings::maxNumber, 0, kMaxMenuItems},
    {"menu-settings", "runcount", &BarSettings::runCount, 0, kMaxRunCount},
    {"menu-settings", "showicons", &BarSettings::showIcons},
    {"menu-settings", "showrun", &BarSettings::showRun},
    {"menu-settings", "runautosize", &BarSettings::runAutoSize},
    {"menu-settings", "runwidth", &BarSettings::runWidth, 0, kMaxWidth},
    {"infobar", "enabled", &BarSettings::infoBarEnabled},
    {"infobar", "progressbar-autosize", &BarSettings::infoBarAutoSize},
    {"infobar", "width", &BarSettings::infoBarWidth, 0, kMaxWidth},
    {"infobar", "margin", &BarSettings::infoBarMargin, 0, kMaxMargin},
    {"marquee-settings", "showmarquee", &BarSettings::showMarquee},
    {"marquee-settings", "marqueetimer", &BarSettings::marqueeTimer},
    {"marquee-settings", "marqueeframelength", &BarSettings::marqueeFrameLength, 0, kMaxFrameSeconds},
    {"marquee-settings", "autosize", &BarSettings::marqueeAutoSize},
    {"marquee-settings", "position", &BarSettings::marqueePosition},
    {"marquee-settings", "width", &BarSettings::marqueeWidth, 0, kMaxMarqueeWidth},
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

int Bounded(const SettingsKey &entry, int value)
{
    return entry.maximum > entry.minimum ? qBound(entry.minimum, value, entry.maximum) : value;
}

void ReadKey(const IniFile &ini, const SettingsKey &entry, BarSettings &s)
{
    const QString section = Text(entry.section);
    const QString key = Text(entry.key);
    if (const auto *flag = std::get_if<bool BarSettings::*>(&entry.field))
        s.*(*flag) = ini.ReadBool(section, key, s.*(*flag));
    else if (const auto *number = std::get_if<int BarSettings::*>(&entry.field))
        s.*(*number) = Bounded(entry, ini.ReadInteger(section, key, s.*(*number)));
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
    if (ini.ReadInteger(QStringLiteral("menu-settings"), QStringLiteral("height"), 22) < 1)
        s.height = 22; // a bar without height could never be reached again
    // Lines are numbered from 0 without gaps: reading stops at the first empty one.
    for (int i = 0; i < kMaxMarqueeLines; ++i) {
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
