// File-name masks of the folder menus: patterns separated by blanks, "*" the only wildcard,
// letters compared exactly (case matters).
#pragma once

#include <QString>

// True when the mask is empty or "*.*", or when any blank-separated piece matches (an empty piece
// never does).
bool MatchesMaskList(const QString &fileName, const QString &mask);
// One pattern. Each literal between stars is looked for once, at its first occurrence, without
// backtracking: "*.txt" does not match "a.txt.txt". Linear in the length of name and pattern.
bool MatchesMask(const QString &fileName, const QString &pattern);
