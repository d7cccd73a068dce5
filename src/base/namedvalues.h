// Key-value strings: a small record stored as one INI value, written as
//   name:"value"; other:"value";
// (pairs separated by one blank, none after the last). Names are looked up without regard to case.
#pragma once

#include <QList>
#include <QString>
#include <utility>

class NamedValueList
{
public:
    using Pair = std::pair<QString, QString>;

    // The value stored under name (case-insensitive); empty when there is none.
    QString Value(const QString &name) const;
    // Replaces the value of an existing name in place, or appends the pair.
    void SetValue(const QString &name, const QString &value);
    bool Contains(const QString &name) const;
    void Clear() { m_pairs.clear(); }
    int Count() const { return int(m_pairs.size()); }
    const QList<Pair> &Pairs() const { return m_pairs; }
    bool operator==(const NamedValueList &other) const { return m_pairs == other.m_pairs; }

private:
    int IndexOf(const QString &name) const;
    QList<Pair> m_pairs;
};

// Writes the list as a key-value string; pairs with an empty name or value are left out and the
// closing sequence double quote + semicolon is removed from values, so the text always reads back.
QString FormatNamedValues(const NamedValueList &values);

// Empties target and reads the pairs of text into it. Always terminates, whatever the input.
void ParseNamedValues(const QString &text, NamedValueList &target);
NamedValueList ParseNamedValues(const QString &text);
