#include "base/namedvalues.h"

namespace {
const QString kOpen = QStringLiteral(":\"");
const QString kClose = QStringLiteral("\";");

// Removing one closing sequence can join its neighbours into a new one ("\"\";;"), so repeat
// until none is left.
QString WithoutClosingSequence(QString value)
{
    while (value.contains(kClose))
        value.remove(kClose);
    return value;
}
} // namespace

int NamedValueList::IndexOf(const QString &name) const
{
    for (int i = 0; i < m_pairs.size(); ++i) {
        if (m_pairs[i].first.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString NamedValueList::Value(const QString &name) const
{
    const int i = IndexOf(name);
    return i < 0 ? QString() : m_pairs[i].second;
}

bool NamedValueList::Contains(const QString &name) const
{
    return IndexOf(name) >= 0;
}

void NamedValueList::SetValue(const QString &name, const QString &value)
{
    const int i = IndexOf(name);
    if (i < 0)
        m_pairs.append({name, value});
    else
        m_pairs[i].second = value;
}

QString FormatNamedValues(const NamedValueList &values)
{
    QString text;
    for (const auto &[name, value] : values.Pairs()) {
        if (name.isEmpty() || value.isEmpty())
            continue;
        text += name + kOpen + WithoutClosingSequence(value) + kClose + QLatin1Char(' ');
    }
    text.chop(text.endsWith(QLatin1Char(' ')) ? 1 : 0);
    return text;
}

void ParseNamedValues(const QString &text, NamedValueList &target)
{
    target.Clear();
    if (text.size() <= 4)
        return;
    qsizetype pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && text[pos] == QLatin1Char(' '))
            ++pos;
        const qsizetype open = text.indexOf(kOpen, pos);
        if (open < 0 || open == pos)
            return;
        const QString name = text.mid(pos, open - pos);
        const qsizetype close = text.indexOf(kClose, pos);
        if (close > open) {
            const qsizetype valueStart = open + kOpen.size();
            const QString value = close > valueStart ? text.mid(valueStart, close - valueStart) : QString();
            if (!value.isEmpty())
                target.SetValue(name, value);
            pos = close;
        } else {
            pos = open;
        }
        if (open <= 1)
            return;
        pos += 2;
    }
}

NamedValueList ParseNamedValues(const QString &text)
{
    NamedValueList values;
    ParseNamedValues(text, values);
    return values;
}
