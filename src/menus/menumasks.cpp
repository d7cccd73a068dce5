#include "menus/menumasks.h"

#include <QStringList>
#include <QStringView>

bool MatchesMask(const QString &fileName, const QString &pattern)
{
    QStringView name(fileName);
    QStringView rest(pattern);
    // The first round compares the text before the first "*" with the name's beginning; every
    // later round looks for the literal before the next "*" at its first occurrence.
    bool anchored = true;
    while (true) {
        const qsizetype star = rest.indexOf(QLatin1Char('*'));
        if (anchored) {
            if (star < 0)
                return name == rest;
            const QStringView head = rest.left(star);
            if (!name.startsWith(head))
                return false;
            name = name.mid(head.size());
            rest = rest.mid(star + 1);
            anchored = false;
            continue;
        }
        const QStringView literal = star < 0 ? rest : rest.left(star);
        if (!literal.isEmpty()) {
            const qsizetype found = name.indexOf(literal);
            if (found < 0)
                return false;
            name = name.mid(found);
        }
        if (rest.isEmpty())
            return true;
        // The rest is matched from the start again: the literal now heads both texts.
        anchored = true;
    }
}

bool MatchesMaskList(const QString &fileName, const QString &mask)
{
    if (mask.isEmpty() || mask == QLatin1String("*.*"))
        return true;
    if (!mask.contains(QLatin1Char(' ')))
        return MatchesMask(fileName, mask);
    for (const QString &piece : mask.split(QLatin1Char(' '))) {
        if (!piece.isEmpty() && MatchesMask(fileName, piece))
            return true;
    }
    return false;
}
