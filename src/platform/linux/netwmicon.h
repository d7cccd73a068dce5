// Window icons from _NET_WM_ICON: a list of images, each its width, its height and width × height
// ARGB pixels, one 32-bit value per pixel. Applications often store several sizes up to 256 px, so
// only the headers and the one image wanted are read from the server.
#pragma once

#include <QImage>
#include <QList>
#include <QSize>

#include <xcb/xcb.h>

class X11Connection;

// The index of the size nearest the wanted one (by the larger side; between two equally near, the
// larger, which scales down better); -1 for an empty list.
int NearestIconIndex(const QList<QSize> &sizes, int wantedSize);

// An image from _NET_WM_ICON pixels (not premultiplied ARGB, as QImage::Format_ARGB32 keeps them).
QImage NetWmIconImage(const quint32 *pixels, int width, int height);

// The window's icon image nearest the wanted size; a null image when the window has no usable
// icon or is gone. Malformed lists (sizes running past the end) are read up to the fault.
QImage ReadNetWmIcon(X11Connection &x, xcb_window_t window, int wantedSize);
