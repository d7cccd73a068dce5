#include "dialogs/settingsrules.h"

#include <QRegularExpression>

QString UserAliasKey(const QString &name)
{
    QString key = name.toUpper();
    if (key.size() <= 2)
        return {};
    if (!key.startsWith(QLatin1Char('$')))
        key.prepend(QLatin1Char('$'));
    if (!key.endsWith(QLatin1Char('$')))
        key.append(QLatin1Char('$'));
    return key;
}

QStringList MarqueeContentLines(const QString &text)
{
    QStringList lines;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

bool IsWholeNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+$"));
    return number.match(text).hasMatch();
}

QStringList InfoBarAutosizeChoices(bool marqueeOnInfoBar)
{
    QStringList choices{kAutosizeNone};
    if (marqueeOnInfoBar)
        choices << kAutosizeMarquee;
    return choices << kAutosizeProgressBars;
}

QStringList MenuBarAutosizeChoices(bool marqueeOnInfoBar)
{
    QStringList choices{kAutosizeNone};
    if (!marqueeOnInfoBar)
        choices << kAutosizeMarquee;
    return choices << kAutosizeRun;
}
