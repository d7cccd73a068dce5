#include "platform/linux/x11windowquery.h"

#include "platform/linux/x11connection.h"

#include <QSet>

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

// WM_CLASS holds two short names; more than this is not a class worth reading.
constexpr quint32 kWmClassMaxBytes = 512;

} // namespace

QList<xcb_window_t> X11ChildWindows(X11Connection &x, xcb_window_t parent)
{
    QList<xcb_window_t> children;
    if (!x.IsValid() || parent == XCB_WINDOW_NONE)
        return children;
    xcb_generic_error_t *error = nullptr;
    XcbPtr<xcb_query_tree_reply_t> reply(
        xcb_query_tree_reply(x.Connection(), xcb_query_tree(x.Connection(), parent), &error));
    std::free(error);
    if (!reply)
        return children;
    const xcb_window_t *list = xcb_query_tree_children(reply.get());
    const int count = xcb_query_tree_children_length(reply.get());
    children.reserve(count);
    for (int i = 0; i < count; ++i)
        children.append(list[i]);
    return children;
}

QList<xcb_window_t> X11TopLevelWindows(X11Connection &x)
{
    QList<xcb_window_t> windows = X11ChildWindows(x, x.Root());
    QSet<xcb_window_t> seen(windows.cbegin(), windows.cend());
    const QList<xcb_window_t> clients = x.GetWindows(x.Root(), x.Atom("_NET_CLIENT_LIST"));
    for (xcb_window_t client : clients) {
        if (client != XCB_WINDOW_NONE && !seen.contains(client)) {
            seen.insert(client);
            windows.append(client);
        }
    }
    return windows;
}

QByteArray WmClassName(const QByteArray &wmClass)
{
    const int end = wmClass.indexOf('\0');
    if (end < 0)
        return QByteArray();
    QByteArray name = wmClass.mid(end + 1);
    const int classEnd = name.indexOf('\0');
    if (classEnd >= 0)
        name.truncate(classEnd);
    return name;
}

QList<QByteArray> X11WindowClassNames(X11Connection &x, const QList<xcb_window_t> &windows)
{
    QList<QByteArray> names(windows.size());
    if (!x.IsValid())
        return names;
    xcb_connection_t *c = x.Connection();
    QList<xcb_get_property_cookie_t> cookies;
    cookies.reserve(windows.size());
    for (xcb_window_t window : windows) {
        cookies.append(xcb_get_property(c, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0,
                                        kWmClassMaxBytes / 4));
    }
    for (int i = 0; i < cookies.size(); ++i) {
        xcb_generic_error_t *error = nullptr;
        XcbPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(c, cookies.at(i), &error));
        std::free(error);
        if (!reply || reply->type != XCB_ATOM_STRING || reply->format != 8)
            continue;
        const QByteArray value(static_cast<const char *>(xcb_get_property_value(reply.get())),
                               xcb_get_property_value_length(reply.get()));
        names[i] = WmClassName(value);
    }
    return names;
}

QString CleanTitle(QString title)
{
    for (QChar &ch : title) {
        if (ch.category() == QChar::Other_Control)
            ch = QLatin1Char(' ');
    }
    return title;
}

QString X11WindowTitle(X11Connection &x, xcb_window_t window)
{
    QString title = x.GetUtf8String(window, x.Atom("_NET_WM_NAME"));
    if (title.isEmpty())
        title = QString::fromUtf8(x.GetProperty(window, XCB_ATOM_WM_NAME, x.Atom("UTF8_STRING"), 8));
    if (title.isEmpty())
        title = QString::fromLatin1(x.GetLatin1String(window, XCB_ATOM_WM_NAME));
    // A compound text without escape sequences is Latin-1; a title that needs them is rare.
    if (title.isEmpty())
        title = QString::fromLatin1(x.GetProperty(window, XCB_ATOM_WM_NAME, x.Atom("COMPOUND_TEXT"), 8));
    return CleanTitle(title);
}

xcb_window_t X11TransientFor(X11Connection &x, xcb_window_t window)
{
    return x.GetWindow(window, XCB_ATOM_WM_TRANSIENT_FOR);
}

int X11SendClientMessageToEach(X11Connection &x, const QList<xcb_window_t> &destinations,
                               xcb_atom_t type, const std::array<quint32, 5> &data)
{
    if (!x.IsValid() || type == XCB_ATOM_NONE)
        return 0;
    xcb_connection_t *c = x.Connection();
    QList<xcb_void_cookie_t> cookies;
    cookies.reserve(destinations.size());
    for (xcb_window_t destination : destinations) {
        // xcb_send_event copies a fixed 32-byte event.
        xcb_client_message_event_t event;
        std::memset(&event, 0, sizeof(event));
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = destination;
        event.type = type;
        for (size_t i = 0; i < data.size(); ++i)
            event.data.data32[i] = data[i];
        cookies.append(xcb_send_event_checked(c, 0, destination, XCB_EVENT_MASK_NO_EVENT,
                                              reinterpret_cast<const char *>(&event)));
    }
    int delivered = 0;
    for (const xcb_void_cookie_t &cookie : cookies) {
        xcb_generic_error_t *error = xcb_request_check(c, cookie);
        if (!error)
            ++delivered;
        std::free(error);
    }
    return delivered;
}

QString X11ErrorText(int errorCode)
{
    // The core protocol's errors, with the wording X servers and Xlib use for them.
    static const char *const kTexts[] = {
        nullptr,
        "BadRequest (bad request code)",
        "BadValue (integer parameter out of range for operation)",
        "BadWindow (invalid Window parameter)",
        "BadPixmap (invalid Pixmap parameter)",
        "BadAtom (invalid Atom parameter)",
        "BadCursor (invalid Cursor parameter)",
        "BadFont (invalid Font parameter)",
        "BadMatch (invalid parameter attributes)",
        "BadDrawable (invalid Pixmap or Window parameter)",
        "BadAccess (attempt to access private resource denied)",
        "BadAlloc (insufficient resources for operation)",
        "BadColor (invalid Colormap parameter)",
        "BadGC (invalid GC parameter)",
        "BadIDChoice (invalid resource ID chosen for this connection)",
        "BadName (named color or font does not exist)",
        "BadLength (poly request too large or internal Xlib length error)",
        "BadImplementation (server does not implement operation)",
    };
    constexpr int count = int(sizeof(kTexts) / sizeof(kTexts[0]));
    if (errorCode > 0 && errorCode < count)
        return QString::fromLatin1(kTexts[errorCode]);
    return QStringLiteral("X error %1").arg(errorCode);
}

QString X11ErrorText(const xcb_generic_error_t *error)
{
    if (!error)
        return QString();
    return X11ErrorText(int(error->error_code));
}
