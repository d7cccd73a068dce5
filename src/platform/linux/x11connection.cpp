#include "platform/linux/x11connection.h"

#include <QGuiApplication>

#include <cstdlib>
#include <cstring>

namespace {

// Frees an xcb reply or error when it goes out of scope.
struct FreeDeleter
{
    void operator()(void *p) const { std::free(p); }
};
template <typename T>
using XcbPtr = std::unique_ptr<T, FreeDeleter>;

// A window's attributes, or null when it is gone; the error never reaches Qt's handler.
XcbPtr<xcb_get_window_attributes_reply_t> WindowAttributes(xcb_connection_t *connection, xcb_window_t window)
{
    xcb_generic_error_t *error = nullptr;
    XcbPtr<xcb_get_window_attributes_reply_t> reply(xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, window), &error));
    std::free(error);
    return reply;
}

xcb_screen_t *screenOfNumber(xcb_connection_t *connection, int number)
{
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; it.rem; ++i, xcb_screen_next(&it)) {
        if (i == number)
            return it.data;
    }
    return nullptr;
}

} // namespace

X11Connection &X11Connection::Instance()
{
    static X11Connection instance;
    return instance;
}

X11Connection::X11Connection()
{
    // qGuiApp casts blindly; a program without a GUI (a command-line tool, a test) has none.
    auto *gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    auto *app = gui ? gui->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!app || !app->connection())
        return;
    int screen = 0;
    // Qt connects to the display named by $DISPLAY; its screen part names the default screen.
    char *host = nullptr;
    int display = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screen) == 0)
        screen = 0;
    std::free(host);
    m_connection = app->connection();
    m_screenNumber = screen;
    m_screen = screenOfNumber(m_connection, screen);
    if (!m_screen) {
        m_screenNumber = 0;
        m_screen = screenOfNumber(m_connection, 0);
    }
    if (!m_screen)
        m_connection = nullptr;
}

X11Connection::X11Connection(xcb_connection_t *connection, int screenNumber)
    : m_connection(connection), m_screenNumber(screenNumber)
{
    if (m_connection)
        m_screen = screenOfNumber(m_connection, screenNumber);
    if (!m_screen)
        m_connection = nullptr;
}

X11Connection::~X11Connection()
{
    if (m_ewmhReady)
        xcb_ewmh_connection_wipe(m_ewmh.get());
}

QSize X11Connection::RootSize() const
{
    if (!m_screen)
        return QSize();
    return QSize(m_screen->width_in_pixels, m_screen->height_in_pixels);
}

xcb_atom_t X11Connection::Atom(const QByteArray &name)
{
    if (!IsValid() || name.isEmpty())
        return XCB_ATOM_NONE;
    auto found = m_atoms.constFind(name);
    if (found != m_atoms.constEnd())
        return *found;
    xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(m_connection, 0, quint16(name.size()), name.constData());
    XcbPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(m_connection, cookie, nullptr));
    if (!reply)
        return XCB_ATOM_NONE;
    m_atoms.insert(name, reply->atom);
    return reply->atom;
}

QByteArray X11Connection::AtomName(xcb_atom_t atom)
{
    if (!IsValid() || atom == XCB_ATOM_NONE)
        return QByteArray();
    xcb_generic_error_t *error = nullptr;
    XcbPtr<xcb_get_atom_name_reply_t> reply(
        xcb_get_atom_name_reply(m_connection, xcb_get_atom_name(m_connection, atom), &error));
    std::free(error);
    if (!reply)
        return QByteArray();
    return QByteArray(xcb_get_atom_name_name(reply.get()), xcb_get_atom_name_name_length(reply.get()));
}

xcb_ewmh_connection_t *X11Connection::Ewmh()
{
    if (!IsValid())
        return nullptr;
    if (!m_ewmhReady) {
        m_ewmh = std::make_unique<xcb_ewmh_connection_t>();
        std::memset(m_ewmh.get(), 0, sizeof(xcb_ewmh_connection_t));
        xcb_intern_atom_cookie_t *cookies = xcb_ewmh_init_atoms(m_connection, m_ewmh.get());
        if (!cookies || !xcb_ewmh_init_atoms_replies(m_ewmh.get(), cookies, nullptr)) {
            m_ewmh.reset();
            return nullptr;
        }
        m_ewmhReady = true;
    }
    return m_ewmh.get();
}

bool X11Connection::HasEwmhWindowManager()
{
    if (!IsValid())
        return false;
    const xcb_atom_t check = Atom("_NET_SUPPORTING_WM_CHECK");
    const xcb_window_t wm = GetWindow(Root(), check);
    return wm != XCB_WINDOW_NONE && GetWindow(wm, check) == wm;
}

QByteArray X11Connection::GetProperty(xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                                      int format, quint32 maxBytes)
{
    if (!IsValid() || window == XCB_WINDOW_NONE || property == XCB_ATOM_NONE)
        return QByteArray();
    xcb_get_property_cookie_t cookie =
        xcb_get_property(m_connection, 0, window, property, type, 0, (maxBytes + 3) / 4);
    xcb_generic_error_t *error = nullptr;
    XcbPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(m_connection, cookie, &error));
    std::free(error);
    if (!reply || reply->type == XCB_ATOM_NONE || reply->format != format)
        return QByteArray();
    if (type != XCB_GET_PROPERTY_TYPE_ANY && reply->type != type)
        return QByteArray();
    const int length = xcb_get_property_value_length(reply.get());
    return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())), length);
}

QList<quint32> X11Connection::GetCardinals(xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
{
    const QByteArray raw = GetProperty(window, property, type, 32);
    QList<quint32> values(raw.size() / 4);
    if (!values.isEmpty())
        std::memcpy(values.data(), raw.constData(), size_t(values.size()) * 4);
    return values;
}

QList<xcb_window_t> X11Connection::GetWindows(xcb_window_t window, xcb_atom_t property)
{
    const QList<quint32> values = GetCardinals(window, property, XCB_ATOM_WINDOW);
    return QList<xcb_window_t>(values.cbegin(), values.cend());
}

QList<xcb_atom_t> X11Connection::GetAtoms(xcb_window_t window, xcb_atom_t property)
{
    const QList<quint32> values = GetCardinals(window, property, XCB_ATOM_ATOM);
    return QList<xcb_atom_t>(values.cbegin(), values.cend());
}

xcb_window_t X11Connection::GetWindow(xcb_window_t window, xcb_atom_t property)
{
    const QList<xcb_window_t> windows = GetWindows(window, property);
    return windows.isEmpty() ? xcb_window_t(XCB_WINDOW_NONE) : windows.first();
}

QString X11Connection::GetUtf8String(xcb_window_t window, xcb_atom_t property)
{
    return QString::fromUtf8(GetProperty(window, property, Atom("UTF8_STRING"), 8));
}

QByteArray X11Connection::GetLatin1String(xcb_window_t window, xcb_atom_t property)
{
    return GetProperty(window, property, XCB_ATOM_STRING, 8);
}

void X11Connection::SetCardinals(xcb_window_t window, xcb_atom_t property,
                                 const QList<quint32> &values, xcb_atom_t type)
{
    if (!IsValid() || window == XCB_WINDOW_NONE || property == XCB_ATOM_NONE)
        return;
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, property, type, 32,
                        quint32(values.size()), values.constData());
}

void X11Connection::SetWindows(xcb_window_t window, xcb_atom_t property,
                               const QList<xcb_window_t> &values)
{
    SetCardinals(window, property, QList<quint32>(values.cbegin(), values.cend()), XCB_ATOM_WINDOW);
}

void X11Connection::SetAtoms(xcb_window_t window, xcb_atom_t property, const QList<xcb_atom_t> &values)
{
    SetCardinals(window, property, QList<quint32>(values.cbegin(), values.cend()), XCB_ATOM_ATOM);
}

void X11Connection::SetUtf8String(xcb_window_t window, xcb_atom_t property, const QString &value)
{
    if (!IsValid() || window == XCB_WINDOW_NONE || property == XCB_ATOM_NONE)
        return;
    const QByteArray utf8 = value.toUtf8();
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, property, Atom("UTF8_STRING"), 8,
                        quint32(utf8.size()), utf8.constData());
}

void X11Connection::SetLatin1String(xcb_window_t window, xcb_atom_t property, const QByteArray &value)
{
    if (!IsValid() || window == XCB_WINDOW_NONE || property == XCB_ATOM_NONE)
        return;
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, property, XCB_ATOM_STRING, 8,
                        quint32(value.size()), value.constData());
}

void X11Connection::DeleteProperty(xcb_window_t window, xcb_atom_t property)
{
    if (!IsValid() || window == XCB_WINDOW_NONE || property == XCB_ATOM_NONE)
        return;
    xcb_delete_property(m_connection, window, property);
}

bool X11Connection::WindowExists(xcb_window_t window)
{
    if (!IsValid() || window == XCB_WINDOW_NONE)
        return false;
    const auto reply = WindowAttributes(m_connection, window);
    return reply != nullptr;
}

bool X11Connection::IsMapped(xcb_window_t window)
{
    if (!IsValid() || window == XCB_WINDOW_NONE)
        return false;
    const auto reply = WindowAttributes(m_connection, window);
    return reply && reply->map_state != XCB_MAP_STATE_UNMAPPED;
}

bool X11Connection::AddEventMask(xcb_window_t window, quint32 mask)
{
    if (!IsValid() || window == XCB_WINDOW_NONE)
        return false;
    const auto reply = WindowAttributes(m_connection, window);
    if (!reply || (reply->your_event_mask & mask) == mask)
        return false;
    const quint32 value = reply->your_event_mask | mask;
    // Checked, so that a window vanishing in between raises no error in Qt's handler.
    xcb_generic_error_t *changeError = xcb_request_check(
        m_connection, xcb_change_window_attributes_checked(m_connection, window, XCB_CW_EVENT_MASK, &value));
    const bool added = changeError == nullptr;
    std::free(changeError);
    return added;
}

void X11Connection::RemoveEventMask(xcb_window_t window, quint32 mask)
{
    if (!IsValid() || window == XCB_WINDOW_NONE)
        return;
    const auto reply = WindowAttributes(m_connection, window);
    if (!reply || (reply->your_event_mask & mask) == 0)
        return;
    const quint32 value = reply->your_event_mask & ~mask;
    std::free(xcb_request_check(m_connection, xcb_change_window_attributes_checked(
                                                  m_connection, window, XCB_CW_EVENT_MASK, &value)));
}

void X11Connection::SendClientMessage(xcb_window_t about, xcb_atom_t type,
                                      const std::array<quint32, 5> &data, xcb_window_t destination,
                                      quint32 eventMask)
{
    if (!IsValid() || type == XCB_ATOM_NONE)
        return;
    // xcb_send_event copies a fixed 32-byte event.
    xcb_client_message_event_t event;
    std::memset(&event, 0, sizeof(event));
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = about;
    event.type = type;
    for (size_t i = 0; i < data.size(); ++i)
        event.data.data32[i] = data[i];
    xcb_send_event(m_connection, 0, destination == XCB_WINDOW_NONE ? Root() : destination, eventMask,
                   reinterpret_cast<const char *>(&event));
}

void X11Connection::GrabServer()
{
    if (IsValid())
        xcb_grab_server(m_connection);
}

void X11Connection::UngrabServer()
{
    if (IsValid()) {
        xcb_ungrab_server(m_connection);
        xcb_flush(m_connection);
    }
}

void X11Connection::Flush()
{
    if (IsValid())
        xcb_flush(m_connection);
}
