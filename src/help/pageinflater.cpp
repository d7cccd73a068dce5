#include "help/pageinflater.h"

#include <zlib.h>

#include <algorithm>

namespace {
// The first guess of the inflated size: HTML inflates to about four times its stored size, in
// whole 256-byte blocks; a page that needs more doubles it.
qsizetype FirstBufferSize(qsizetype storedSize)
{
    return std::max<qsizetype>(256, (storedSize * 4 + 255) / 256 * 256);
}
} // namespace

bool InflatePage(const QByteArray &stored, QByteArray &inflated, qsizetype limit)
{
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return false;
    QByteArray buffer(std::min(FirstBufferSize(stored.size()), std::max<qsizetype>(limit, 1)), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(stored.constData()));
    stream.avail_in = uInt(stored.size());
    qsizetype produced = 0;
    int status = Z_OK;
    while (status == Z_OK) {
        if (produced == buffer.size()) {
            if (buffer.size() >= limit)
                break;
            // Doubling keeps a page of a few megabytes to a handful of copies.
            buffer.resize(std::min(buffer.size() * 2, limit));
        }
        stream.next_out = reinterpret_cast<Bytef *>(buffer.data() + produced);
        stream.avail_out = uInt(buffer.size() - produced);
        status = inflate(&stream, Z_NO_FLUSH);
        produced = buffer.size() - stream.avail_out;
        // With room left for output, no progress means the input ended before the stream did.
        if (status == Z_BUF_ERROR)
            break;
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return false;
    buffer.truncate(produced);
    inflated = buffer;
    return true;
}
