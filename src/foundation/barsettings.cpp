#include "foundation/barsettings.h"

#include "base/inifile.h"

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
    const QString general = QStringLiteral("general");
    const QString menu = QStringLiteral("menu-settings");
    const QString infobar = QStringLiteral("infobar");
    const QString marquee = QStringLiteral("marquee-settings");
    const QString alpha = QStringLiteral("alphablend");

    s.dockAtBottom = ini.ReadString(general, QStringLiteral("position"), QStringLiteral("top")) == QStringLiteral("bottom");
    s.wabFileName = ini.ReadString(general, QStringLiteral("wabfilename"));

    s.alwaysOnTop = ini.ReadBool(menu, QStringLiteral("alwaysontop"), false);
    s.height = ini.ReadInteger(menu, QStringLiteral("height"), 22);
    if (s.height < 1)
        s.height = 22; // a bar without height could never be reached again
    s.maxNumber = ini.ReadInteger(menu, QStringLiteral("maxnumber"), 125);
    s.runCount = ini.ReadInteger(menu, QStringLiteral("runcount"), 25);
    s.showIcons = ini.ReadBool(menu, QStringLiteral("showicons"), true);
    s.showRun = ini.ReadBool(menu, QStringLiteral("showrun"), false);
    s.runAutoSize = ini.ReadBool(menu, QStringLiteral("runautosize"), false);
    s.runWidth = ini.ReadInteger(menu, QStringLiteral("runwidth"), 100);

    s.infoBarEnabled = ini.ReadBool(infobar, QStringLiteral("enabled"), false);
    s.infoBarAutoSize = ini.ReadBool(infobar, QStringLiteral("progressbar-autosize"), false);
    s.infoBarWidth = ini.ReadInteger(infobar, QStringLiteral("width"), 150);
    s.infoBarMargin = ini.ReadInteger(infobar, QStringLiteral("margin"), 10);

    // Lines are numbered from 0 without gaps: reading stops at the first empty one.
    for (int i = 0;; ++i) {
        const QString line = ini.ReadString(QStringLiteral("marquee"), QStringLiteral("line%1").arg(i));
        if (line.isEmpty())
            break;
        s.marqueeLines.append(line);
    }
    s.showMarquee = ini.ReadBool(marquee, QStringLiteral("showmarquee"), true);
    s.marqueeTimer = ini.ReadBool(marquee, QStringLiteral("marqueetimer"), true);
    s.marqueeFrameLength = ini.ReadInteger(marquee, QStringLiteral("marqueeframelength"), 10);
    if (s.marqueeFrameLength < 1)
        s.marqueeFrameLength = 1; // a zero-length frame would spin the timer
    s.marqueeAutoSize = ini.ReadBool(marquee, QStringLiteral("autosize"), false);
    s.marqueePosition = ini.ReadInteger(marquee, QStringLiteral("position"), 0);
    s.marqueeWidth = ini.ReadInteger(marquee, QStringLiteral("width"), 200);

    s.menuAlpha = ini.ReadInteger(alpha, QStringLiteral("menu_alpha"), 0);
    s.noAlphaOnActivate = ini.ReadBool(alpha, QStringLiteral("menu_noalphaonactivate"), false);
    s.dropShadow = ini.ReadBool(alpha, QStringLiteral("menu_dropshadow"), true);
    return s;
}
