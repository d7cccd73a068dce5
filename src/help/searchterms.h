// How the viewer's search reads a query: words separated by blanks, and phrases in double
// quotation marks kept whole.
#pragma once

#include <QString>
#include <QStringList>

// The terms of a query, left to right: a phrase in double quotation marks (blanks included) is one
// term, every other word another; a lone opening quotation mark is dropped. Empty terms are left
// out; an empty or all-blank query has none.
QStringList SplitSearchTerms(const QString &query);

// Whether every term occurs, without regard to case, in the page's plain text or in its title.
bool PageMatchesTerms(const QStringList &terms, const QString &plainText, const QString &title);

// The same comparison for many pages: the terms are case-folded once (FoldSearchTerms), each page's
// text and title once per page.
QStringList FoldSearchTerms(const QStringList &terms);
bool PageMatchesFoldedTerms(const QStringList &foldedTerms, const QString &plainText, const QString &title);
