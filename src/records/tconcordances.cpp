#include "tconcordances.h"

#include <QList>

#include <utility>
#include <vector>

namespace {

// One element of a parsed pattern; every kind but Star matches exactly one character.
struct PatternToken
{
    enum Kind { Literal, AnyChar, Digit, Set, Star };
    Kind kind = Literal;
    char32_t ch = 0;
    bool negated = false;
    std::vector<std::pair<char32_t, char32_t>> ranges;
};

using Pattern = std::vector<PatternToken>;

// Reads the set that starts after the `[` at `start`; returns the position after its `]`, or 0 when
// the set is not closed (the `[` is then an ordinary character).
size_t parseSet(const std::vector<char32_t> &text, size_t start, PatternToken &token)
{
    size_t close = start;
    while (close < text.size() && text[close] != U']')
        ++close;
    if (close == text.size())
        return 0;
    token.kind = PatternToken::Set;
    size_t i = start;
    if (i < close && text[i] == U'!') {
        token.negated = true;
        ++i;
    }
    while (i < close) {
        char32_t low = text[i];
        char32_t high = low;
        // A hyphen between two members makes a range; at either end it is a member itself.
        if (i + 2 < close && text[i + 1] == U'-') {
            high = text[i + 2];
            i += 3;
        } else {
            ++i;
        }
        if (high < low)
            std::swap(low, high);
        token.ranges.emplace_back(low, high);
    }
    return close + 1;
}

Pattern parsePattern(const std::vector<char32_t> &text, bool wildcards)
{
    Pattern pattern;
    pattern.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        PatternToken token;
        token.ch = text[i];
        size_t next = i + 1;
        if (wildcards) {
            switch (text[i]) {
            case U'*':
                token.kind = PatternToken::Star;
                break;
            case U'?':
                token.kind = PatternToken::AnyChar;
                break;
            case U'#':
                token.kind = PatternToken::Digit;
                break;
            case U'[':
                if (size_t after = parseSet(text, i + 1, token))
                    next = after;
                break;
            default:
                break;
            }
        }
        // Runs of stars match the same as one star.
        const bool repeatedStar = token.kind == PatternToken::Star && !pattern.empty()
                                  && pattern.back().kind == PatternToken::Star;
        if (!repeatedStar)
            pattern.push_back(std::move(token));
        i = next;
    }
    return pattern;
}

bool matchesOne(const PatternToken &token, char32_t c)
{
    switch (token.kind) {
    case PatternToken::Literal:
        return c == token.ch;
    case PatternToken::AnyChar:
        return true;
    case PatternToken::Digit:
        return c >= U'0' && c <= U'9';
    case PatternToken::Set: {
        bool member = false;
        for (const auto &[low, high] : token.ranges)
            member = member || (c >= low && c <= high);
        return member != token.negated;
    }
    case PatternToken::Star:
        break;
    }
    return false;
}

// Greedy matching with a single backtrack point: since every token but the star matches exactly
// one character, going back to the latest star and letting it take one more character is enough.
bool matchPattern(const std::vector<char32_t> &value, const Pattern &pattern)
{
    constexpr size_t none = size_t(-1);
    size_t v = 0;
    size_t p = 0;
    size_t starP = none;
    size_t starV = 0;
    while (v < value.size()) {
        if (p < pattern.size() && pattern[p].kind == PatternToken::Star) {
            starP = p++;
            starV = v;
        } else if (p < pattern.size() && matchesOne(pattern[p], value[v])) {
            ++p;
            ++v;
        } else if (starP != none) {
            p = starP + 1;
            v = ++starV;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p].kind == PatternToken::Star)
        ++p;
    return p == pattern.size();
}

std::vector<char32_t> codePoints(const QString &text)
{
    const QList<uint> ucs4 = text.toUcs4();
    return std::vector<char32_t>(ucs4.begin(), ucs4.end());
}

} // namespace

bool TConcordances::Like(const QString &value, const QString &pattern) const
{
    const QString v = m_caseInsensitive ? value.toUpper() : value;
    const QString p = m_caseInsensitive ? pattern.toUpper() : pattern;
    return matchPattern(codePoints(v), parsePattern(codePoints(p), m_wildcards));
}
