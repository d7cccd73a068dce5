// The match rules of the LIKE operator of record searches.
#pragma once

#include <QString>

// Matches a whole value against a whole pattern. In the pattern, `*` stands for any run of
// characters (also none), `?` for exactly one character, `#` for one digit 0-9 and `[...]` for one
// character out of a set: single characters and ranges such as `a-z`, the whole set negated by a
// leading `!`. Every other character stands for itself. A `[` without a closing `]` is an ordinary
// character; `[]` matches no character and `[!]` any one character.
//
// By default case is ignored (both texts are compared upper-cased) and the wildcards are on.
// Matching takes at most (value length × pattern length) steps, whatever the input.
class TConcordances
{
public:
    bool CaseInsensitive() const { return m_caseInsensitive; }
    void SetCaseInsensitive(bool on) { m_caseInsensitive = on; }
    bool Wildcards() const { return m_wildcards; }
    void SetWildcards(bool on) { m_wildcards = on; }

    bool Like(const QString &value, const QString &pattern) const;

private:
    bool m_caseInsensitive = true;
    bool m_wildcards = true;
};
