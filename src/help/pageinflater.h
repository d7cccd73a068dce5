// Inflating the zlib streams (RFC 1950) the pages of a compressed help file are stored as.
#pragma once

#include <QByteArray>

// The largest page Quorix inflates: a stream that claims more is treated as damaged, so that a
// hostile file cannot make the viewer allocate without limit.
inline constexpr qsizetype kMaxInflatedPageSize = 64 * 1024 * 1024;

// Inflates one whole stream into inflated; false when the stream is damaged or truncated, or
// inflates to more than limit bytes.
bool InflatePage(const QByteArray &stored, QByteArray &inflated, qsizetype limit = kMaxInflatedPageSize);
