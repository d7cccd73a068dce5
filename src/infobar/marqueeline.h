// The token language of marquee lines: plain text with tokens such as "[Time()]" or
// "[Memory(Free)]" that are replaced by their current values each time a line is shown.
#pragma once

#include <QString>
#include <QStringView>

#include <functional>

// Gives the value of one token: the object name and the parameter exactly as written in the line.
using MarqueeValueFunction = std::function<QString(QStringView object, QStringView parameter)>;

// Replaces every token of a line by its value. A token starts with "[": its object runs up to the
// first "(" and its parameter up to the first ")" after that, and the token ends with the first "]"
// after the "(". A missing "(" gives an empty object, a missing ")" an empty parameter, and a
// missing "]" leaves the text after the "(" to be read on as plain text ("[Time()" shows the time
// and a ")"). When any token has an empty value the whole line is empty (it is not shown). Text
// outside tokens is kept as it is.
QString ExpandMarqueeLine(QStringView line, const MarqueeValueFunction &valueOf);
