// The settings that the bar applies on every read of settings.ini, with their defaults.
#pragma once

#include <QString>
#include <QStringList>

class IniFile;

struct BarSettings
{
    // [general]
    bool dockAtBottom = false;        // "position" is exactly "bottom"
    QString wabFileName;
    // [menu-settings]
    bool alwaysOnTop = false;
    int height = 22;                  // one row
    int maxNumber = 125;
    int runCount = 25;
    bool showIcons = true;
    bool showRun = false;
    bool runAutoSize = false;
    int runWidth = 100;
    // [infobar]
    bool infoBarEnabled = false;
    bool infoBarAutoSize = false;
    int infoBarWidth = 150;
    int infoBarMargin = 10;
    // [marquee] and [marquee-settings]
    QStringList marqueeLines;         // [marquee] "line0", "line1", ...; the title is added by the bar
    bool showMarquee = true;
    bool marqueeTimer = true;
    int marqueeFrameLength = 10;
    bool marqueeAutoSize = false;
    int marqueePosition = 0;
    int marqueeWidth = 200;
    // [alphablend]
    int menuAlpha = 0;
    bool noAlphaOnActivate = false;
    bool dropShadow = true;

    bool operator==(const BarSettings &) const = default;

    int Rows() const { return infoBarEnabled ? 2 : 1; }
    int BarHeight() const { return height * Rows(); }

    static BarSettings Read(const IniFile &settings);
    // Writes into settings every value that differs from read (the settings as they were read), so
    // values nobody changed stay in the file exactly as they were typed. "wabfilename" is only read.
    bool Write(IniFile &settings, const BarSettings &read) const;
};

// The bar's blend value for a transparency of percent (0 opaque): 255 - round(2.55 * percent),
// halves to even, as an 8-bit value. Blending is on only below 255.
int BlendValueForAlpha(int percent);
// Rounds numerator / denominator to the nearest integer, halves to the even neighbour.
long long RoundHalfEven(long long numerator, long long denominator);
