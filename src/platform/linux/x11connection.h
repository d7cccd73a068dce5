// The X display connection that Qt opened, with the small conveniences every X11 service needs:
// the root window, an atom cache, typed property reads and writes, client messages and EWMH atoms.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSize>
#include <QString>

#include <array>
#include <memory>

#include <xcb/xcb.h>
#include <xcb/xcb_ewmh.h>

class X11Connection
{
public:
    // The connection of the running Qt application. Invalid (every call does nothing and every
    // read comes back empty) when the platform is not xcb, e.g. under the offscreen platform.
    static X11Connection &Instance();

    // Wraps a connection opened elsewhere (not owned), e.g. a second client in a test.
    X11Connection(xcb_connection_t *connection, int screenNumber);
    ~X11Connection();
    X11Connection(const X11Connection &) = delete;
    X11Connection &operator=(const X11Connection &) = delete;

    bool IsValid() const { return m_connection != nullptr; }
    xcb_connection_t *Connection() const { return m_connection; }
    int ScreenNumber() const { return m_screenNumber; }
    xcb_screen_t *Screen() const { return m_screen; }
    xcb_window_t Root() const { return m_screen ? m_screen->root : xcb_window_t(XCB_WINDOW_NONE); }
    QSize RootSize() const;

    // Interned once and cached; XCB_ATOM_NONE when invalid.
    xcb_atom_t Atom(const QByteArray &name);
    QByteArray AtomName(xcb_atom_t atom);

    // The EWMH helper state (its atoms), set up on first use; null when invalid.
    xcb_ewmh_connection_t *Ewmh();
    // True when a window manager announces itself through _NET_SUPPORTING_WM_CHECK (the root names
    // a window which names itself).
    bool HasEwmhWindowManager();

    // Property reads return an empty result when the property is missing, has another type or
    // format, or the window is gone. type XCB_GET_PROPERTY_TYPE_ANY accepts every type.
    QByteArray GetProperty(xcb_window_t window, xcb_atom_t property, xcb_atom_t type, int format,
                           quint32 maxBytes = 1u << 20);
    QList<quint32> GetCardinals(xcb_window_t window, xcb_atom_t property,
                                xcb_atom_t type = XCB_ATOM_CARDINAL);
    QList<xcb_window_t> GetWindows(xcb_window_t window, xcb_atom_t property);
    QList<xcb_atom_t> GetAtoms(xcb_window_t window, xcb_atom_t property);
    // A window-valued property holding one window; XCB_WINDOW_NONE when absent.
    xcb_window_t GetWindow(xcb_window_t window, xcb_atom_t property);
    QString GetUtf8String(xcb_window_t window, xcb_atom_t property);
    // A Latin-1 STRING property (WM_NAME, WM_CLASS).
    QByteArray GetLatin1String(xcb_window_t window, xcb_atom_t property);

    void SetCardinals(xcb_window_t window, xcb_atom_t property, const QList<quint32> &values,
                      xcb_atom_t type = XCB_ATOM_CARDINAL);
    void SetWindows(xcb_window_t window, xcb_atom_t property, const QList<xcb_window_t> &values);
    void SetAtoms(xcb_window_t window, xcb_atom_t property, const QList<xcb_atom_t> &values);
    void SetUtf8String(xcb_window_t window, xcb_atom_t property, const QString &value);
    void SetLatin1String(xcb_window_t window, xcb_atom_t property, const QByteArray &value);
    void DeleteProperty(xcb_window_t window, xcb_atom_t property);

    // Asks the server whether the window exists (a round trip; no error reaches Qt's handler).
    bool WindowExists(xcb_window_t window);
    // True while the window is mapped (viewable or not).
    bool IsMapped(xcb_window_t window);
    // Adds to the events this client selects on a window, keeping what is already selected (Qt
    // selects events on the root and on its own windows; replacing its mask would break Qt).
    // True when a bit was added, i.e. the caller may remove it again later.
    bool AddEventMask(xcb_window_t window, quint32 mask);
    // Removes bits from this client's event mask on a window; errors for a vanished window are
    // swallowed.
    void RemoveEventMask(xcb_window_t window, quint32 mask);

    // A 32-bit client message about a window, sent to the root window by default with the masks
    // a window manager listens to.
    void SendClientMessage(xcb_window_t about, xcb_atom_t type, const std::array<quint32, 5> &data,
                           xcb_window_t destination = XCB_WINDOW_NONE,
                           quint32 eventMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY
                                               | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT);

    // Serialises read-modify-write sequences on shared properties against other clients.
    void GrabServer();
    void UngrabServer();
    void Flush();

    // The response type of an event without the "sent by SendEvent" bit.
    static quint8 EventType(const xcb_generic_event_t *event) { return event->response_type & 0x7f; }

private:
    X11Connection();

    xcb_connection_t *m_connection = nullptr;
    int m_screenNumber = 0;
    xcb_screen_t *m_screen = nullptr;
    QHash<QByteArray, xcb_atom_t> m_atoms;
    std::unique_ptr<xcb_ewmh_connection_t> m_ewmh;
    bool m_ewmhReady = false;
};
