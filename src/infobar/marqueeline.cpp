#include "infobar/marqueeline.h"

QString ExpandMarqueeLine(QStringView line, const MarqueeValueFunction &valueOf)
{
    QString result;
    QStringView rest = line;
    while (!rest.isEmpty()) {
        if (rest.front() == QLatin1Char('[')) {
            // The object lies between the bracket and the first "("; without one it is empty.
            const qsizetype open = rest.indexOf(QLatin1Char('('));
            const QStringView object = open > 0 ? rest.sliced(1, open - 1) : QStringView();
            if (open >= 0)
                rest = rest.sliced(open + 1);
            const qsizetype close = rest.indexOf(QLatin1Char(')'));
            const QStringView parameter = close >= 0 ? rest.first(close) : QStringView();
            const QString value = valueOf(object, parameter);
            if (value.isEmpty())
                return QString();
            const qsizetype end = rest.indexOf(QLatin1Char(']'));
            if (end >= 0)
                rest = rest.sliced(end + 1);
            result += value;
            // A token without "(" and "]" consumed nothing; its "[" is spent all the same, so the
            // expansion always moves on.
            if (open < 0 && end < 0)
                rest = rest.sliced(1);
        } else {
            const qsizetype bracket = rest.indexOf(QLatin1Char('['));
            if (bracket < 0) {
                result += rest;
                break;
            }
            result += rest.first(bracket);
            rest = rest.sliced(bracket);
        }
    }
    return result;
}
