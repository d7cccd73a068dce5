// Questions about other programs' windows that the window list, the substitute taskbar and the
// window commands share: the top-level windows, their class and title, messages to them that may
// find them gone, and readable texts for X errors.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

#include <xcb/xcb.h>

class X11Connection;

// The children of a window, lowest in the stacking order first; empty when the window is gone.
QList<xcb_window_t> X11ChildWindows(X11Connection &x, xcb_window_t parent);

// Every top-level window: the root's children (unmapped and override-redirect ones included) and
// the clients that a window manager has reparented into frames (_NET_CLIENT_LIST), each once.
QList<xcb_window_t> X11TopLevelWindows(X11Connection &x);

// The class part of WM_CLASS ("instance\0class\0") of each window, in the order given; empty for a
// window without one or gone. The requests are sent together and answered together.
QList<QByteArray> X11WindowClassNames(X11Connection &x, const QList<xcb_window_t> &windows);
// The class part of a WM_CLASS value; empty when the value holds no class.
QByteArray WmClassName(const QByteArray &wmClass);

// The window's title: _NET_WM_NAME, else WM_NAME (UTF-8, Latin-1 or compound text); control
// characters become blanks. Empty when the window has none or is gone.
QString X11WindowTitle(X11Connection &x, xcb_window_t window);
// Control characters (line breaks, tabs) of a title become blanks.
QString CleanTitle(QString title);

// The window's WM_TRANSIENT_FOR; XCB_WINDOW_NONE when it has none.
xcb_window_t X11TransientFor(X11Connection &x, xcb_window_t window);

// A 32-bit client message sent to each destination window (its `window` field is the destination
// itself), without asking for an event mask, so it reaches the client that made the window. The
// sends are checked together: windows that vanished meanwhile raise no error in Qt's handler.
// Returns how many were delivered.
int X11SendClientMessageToEach(X11Connection &x, const QList<xcb_window_t> &destinations,
                               xcb_atom_t type, const std::array<quint32, 5> &data);

// A readable text for an X protocol error, e.g. "BadAccess (attempt to access private resource
// denied)".
QString X11ErrorText(const xcb_generic_error_t *error);
QString X11ErrorText(int errorCode);
