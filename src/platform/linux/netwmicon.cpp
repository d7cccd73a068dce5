#include "platform/linux/netwmicon.h"

#include "platform/linux/x11connection.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct FreeDeleter
{
    void operator()(void *p) const { std::free(p); }
};
template <typename T>
using XcbPtr = std::unique_ptr<T, FreeDeleter>;

// Bounds that keep a hostile or broken property from costing much: no icon side above 1024 px and
// no more than this many images are looked at.
constexpr quint32 kMaxSide = 1024;
constexpr int kMaxImages = 32;

struct IconHeader
{
    QSize size;
    quint32 pixelOffset; // in 32-bit units from the start of the property
};

// Reads `length` 32-bit values from `offset`; the total length of the property (in values) comes
// back through `total`.
QList<quint32> readValues(X11Connection &x, xcb_window_t window, xcb_atom_t property, quint32 offset,
                          quint32 length, quint32 *total)
{
    QList<quint32> values;
    xcb_connection_t *c = x.Connection();
    xcb_generic_error_t *error = nullptr;
    XcbPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, property, XCB_ATOM_CARDINAL, offset, length), &error));
    std::free(error);
    if (!reply || reply->type != XCB_ATOM_CARDINAL || reply->format != 32)
        return values;
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    if (total)
        *total = offset + quint32(count) + reply->bytes_after / 4;
    values.resize(count);
    if (count > 0)
        std::memcpy(values.data(), xcb_get_property_value(reply.get()), size_t(count) * 4);
    return values;
}

QList<IconHeader> readHeaders(X11Connection &x, xcb_window_t window, xcb_atom_t property)
{
    QList<IconHeader> headers;
    quint32 total = 0;
    quint32 offset = 0;
    while (headers.size() < kMaxImages) {
        const QList<quint32> header = readValues(x, window, property, offset, 2, &total);
        if (header.size() < 2)
            break;
        const quint32 width = header.at(0);
        const quint32 height = header.at(1);
        if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide)
            break;
        const quint32 pixels = width * height;
        if (quint64(offset) + 2 + pixels > total)
            break;
        headers.append({QSize(int(width), int(height)), offset + 2});
        offset += 2 + pixels;
        if (offset >= total)
            break;
    }
    return headers;
}

} // namespace

int NearestIconIndex(const QList<QSize> &sizes, int wantedSize)
{
    int best = -1;
    int bestSide = 0;
    int bestDistance = 0;
    for (int i = 0; i < sizes.size(); ++i) {
        const int side = qMax(sizes.at(i).width(), sizes.at(i).height());
        const int distance = qAbs(side - wantedSize);
        if (best < 0 || distance < bestDistance || (distance == bestDistance && side > bestSide)) {
            best = i;
            bestSide = side;
            bestDistance = distance;
        }
    }
    return best;
}

QImage NetWmIconImage(const quint32 *pixels, int width, int height)
{
    if (!pixels || width <= 0 || height <= 0)
        return QImage();
    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), pixels + qsizetype(y) * width, size_t(width) * 4);
    return image;
}

QImage ReadNetWmIcon(X11Connection &x, xcb_window_t window, int wantedSize)
{
    if (!x.IsValid() || window == XCB_WINDOW_NONE)
        return QImage();
    const xcb_atom_t property = x.Atom("_NET_WM_ICON");
    const QList<IconHeader> headers = readHeaders(x, window, property);
    QList<QSize> sizes;
    for (const IconHeader &header : headers)
        sizes.append(header.size);
    const int index = NearestIconIndex(sizes, wantedSize);
    if (index < 0)
        return QImage();
    const IconHeader &chosen = headers.at(index);
    const quint32 count = quint32(chosen.size.width()) * quint32(chosen.size.height());
    const QList<quint32> pixels = readValues(x, window, property, chosen.pixelOffset, count, nullptr);
    if (quint32(pixels.size()) < count)
        return QImage();
    return NetWmIconImage(pixels.constData(), chosen.size.width(), chosen.size.height());
}
