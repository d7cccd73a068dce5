// Turning a stored help page into what the viewer shows and what the search reads.
#pragma once

#include <QString>

// Puts the resource location into the page's link and picture tags: in every "<link " and "<img "
// tag (found without regard to case) the first "&qdsres;" becomes the location; a second one in
// the same tag, and any outside such tags, stays as written.
QString SubstituteResourceLocation(const QString &html, const QString &resourceLocation);

// The page as plain text for searching: everything between "<" and its matching ">" dropped (nested
// pairs counted, a ">" without its "<" kept as text), then "&nbsp;", "&amp;", "&lt;", "&gt;" and
// "&quot;" (in any case) replaced by the characters they stand for.
QString PlainPageText(const QString &html);
// The same for a page's bytes as stored (UTF-8, or Windows-1252 when they are not): the tags are
// dropped before the text is decoded, which is what makes a search over a large guide quick.
QString PlainPageTextFromBytes(const QByteArray &html);
