#include "platform/linux/x11substitutetaskbar.h"

#include "platform/linux/x11connection.h"
#include "platform/linux/x11windowquery.h"

#include <cstdlib>

namespace {

const QByteArray kTaskbarClass = QByteArrayLiteral("Shell_TrayWnd");

bool setError(QString *errorText, const QString &text)
{
    if (errorText)
        *errorText = text;
    return false;
}

// Checks a request, returning the readable reason of its failure (empty on success).
QString failureOf(xcb_connection_t *c, xcb_void_cookie_t cookie)
{
    xcb_generic_error_t *error = xcb_request_check(c, cookie);
    const QString text = X11ErrorText(error);
    std::free(error);
    return text;
}

void broadcastTaskbarCreated(X11Connection &x, xcb_window_t substitute)
{
    QList<xcb_window_t> windows = X11TopLevelWindows(x);
    windows.removeAll(substitute);
    X11SendClientMessageToEach(x, windows, x.Atom("TaskbarCreated"), {0, 0, 0, 0, 0});
}

} // namespace

bool X11SubstituteTaskbar::TaskbarWindowExists()
{
    X11Connection &x = X11Connection::Instance();
    if (!x.IsValid())
        return false;
    // Window classes are compared without regard to case, as the desktops that invented this
    // class name do.
    for (const QByteArray &name : X11WindowClassNames(x, X11TopLevelWindows(x))) {
        if (name.compare(kTaskbarClass, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool X11SubstituteTaskbar::CreateSubstituteTaskbar(QString *errorText)
{
    X11Connection &x = X11Connection::Instance();
    if (!x.IsValid())
        return setError(errorText, QStringLiteral("No X display is available."));
    if (TaskbarWindowExists())
        return true;
    xcb_connection_t *c = x.Connection();
    if (xcb_connection_has_error(c))
        return setError(errorText, QStringLiteral("The connection to the X server is broken."));

    // An input-only window is never drawn and costs the server next to nothing; it is not mapped,
    // so no window manager takes it over and it stays a child of the root.
    const xcb_window_t window = xcb_generate_id(c);
    QString failure = failureOf(c, xcb_create_window_checked(c, XCB_COPY_FROM_PARENT, window, x.Root(),
                                                             0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                                                             XCB_COPY_FROM_PARENT, 0, nullptr));
    if (!failure.isEmpty())
        return setError(errorText, failure);
    const QByteArray wmClass = kTaskbarClass + '\0' + kTaskbarClass + '\0';
    failure = failureOf(c, xcb_change_property_checked(c, XCB_PROP_MODE_REPLACE, window,
                                                       XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                                                       quint32(wmClass.size()), wmClass.constData()));
    if (!failure.isEmpty()) {
        xcb_destroy_window(c, window);
        x.Flush();
        return setError(errorText, failure);
    }
    // The window is never destroyed: it goes with the process's connection.
    broadcastTaskbarCreated(x, window);
    x.Flush();
    return true;
}
