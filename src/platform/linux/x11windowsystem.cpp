#include "platform/linux/x11windowsystem.h"

#include "platform/linux/netwmicon.h"
#include "platform/linux/x11connection.h"
#include "platform/linux/x11windowquery.h"

#include <QPixmap>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>

namespace {

struct FreeDeleter
{
    void operator()(void *p) const { std::free(p); }
};
template <typename T>
using XcbPtr = std::unique_ptr<T, FreeDeleter>;

constexpr int kMaxTitleLength = 255;
constexpr int kMenuIconSize = 16;

// EWMH's source indication for requests made on the user's behalf by a pager or task bar.
constexpr quint32 kSourcePager = 2;
// _NET_WM_STATE actions.
constexpr quint32 kStateRemove = 0;
constexpr quint32 kStateAdd = 1;
// ICCCM's IconicState for WM_CHANGE_STATE.
constexpr quint32 kIconicState = 3;

// Window types, in the order a client lists them, decide on the first one we know.
bool hasListableType(X11Connection &x, xcb_window_t window)
{
    static const QByteArray listed[] = {"_NET_WM_WINDOW_TYPE_NORMAL", "_NET_WM_WINDOW_TYPE_DIALOG"};
    static const QByteArray unlisted[] = {
        "_NET_WM_WINDOW_TYPE_DESKTOP",       "_NET_WM_WINDOW_TYPE_DOCK",
        "_NET_WM_WINDOW_TYPE_TOOLBAR",       "_NET_WM_WINDOW_TYPE_MENU",
        "_NET_WM_WINDOW_TYPE_UTILITY",       "_NET_WM_WINDOW_TYPE_SPLASH",
        "_NET_WM_WINDOW_TYPE_DROPDOWN_MENU", "_NET_WM_WINDOW_TYPE_POPUP_MENU",
        "_NET_WM_WINDOW_TYPE_TOOLTIP",       "_NET_WM_WINDOW_TYPE_NOTIFICATION",
        "_NET_WM_WINDOW_TYPE_COMBO",         "_NET_WM_WINDOW_TYPE_DND",
    };
    const QList<xcb_atom_t> types = x.GetAtoms(window, x.Atom("_NET_WM_WINDOW_TYPE"));
    for (xcb_atom_t type : types) {
        for (const QByteArray &name : listed) {
            if (x.Atom(name) == type)
                return true;
        }
        for (const QByteArray &name : unlisted) {
            if (x.Atom(name) == type)
                return false;
        }
    }
    return true; // no type, or none we know: a normal window
}

bool isClosableClient(X11Connection &x, xcb_window_t window)
{
    const QList<xcb_atom_t> states = x.GetAtoms(window, x.Atom("_NET_WM_STATE"));
    if (states.contains(x.Atom("_NET_WM_STATE_SKIP_TASKBAR")))
        return false;
    if (!hasListableType(x, window))
        return false;
    // Owned windows (a program's dialogs) close with their owner. Transient for the root window
    // means transient for the program's group, not owned by a window.
    const xcb_window_t owner = X11TransientFor(x, window);
    return owner == XCB_WINDOW_NONE || owner == x.Root();
}

// Without a window manager: the mapped top-level windows that are not override-redirect (menus,
// tooltips), lowest first like the root's children.
QList<xcb_window_t> mappedTopLevelWindows(X11Connection &x)
{
    QList<xcb_window_t> windows;
    for (xcb_window_t child : X11ChildWindows(x, x.Root())) {
        xcb_generic_error_t *error = nullptr;
        XcbPtr<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
            x.Connection(), xcb_get_window_attributes(x.Connection(), child), &error));
        std::free(error);
        if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE
            && !attributes->override_redirect)
            windows.append(child);
    }
    return windows;
}

// The managed windows lowest first: the stacking list, else the plain client list, else (no
// window manager) the mapped top-level windows.
QList<xcb_window_t> clientWindowsBottomFirst(X11Connection &x)
{
    QList<xcb_window_t> windows = x.GetWindows(x.Root(), x.Atom("_NET_CLIENT_LIST_STACKING"));
    if (windows.isEmpty())
        windows = x.GetWindows(x.Root(), x.Atom("_NET_CLIENT_LIST"));
    if (windows.isEmpty() && !x.HasEwmhWindowManager())
        windows = mappedTopLevelWindows(x);
    return windows;
}

bool windowManagerSupports(X11Connection &x, const QByteArray &atomName)
{
    return x.HasEwmhWindowManager()
           && x.GetAtoms(x.Root(), x.Atom("_NET_SUPPORTED")).contains(x.Atom(atomName));
}

// The window's _NET_WM_ALLOWED_ACTIONS; nothing when the window manager has not set it or the
// window is gone.
std::optional<QList<xcb_atom_t>> allowedActions(X11Connection &x, xcb_window_t window)
{
    xcb_connection_t *c = x.Connection();
    xcb_generic_error_t *error = nullptr;
    XcbPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, x.Atom("_NET_WM_ALLOWED_ACTIONS"), XCB_ATOM_ATOM, 0, 256),
        &error));
    std::free(error);
    if (!reply || reply->type != XCB_ATOM_ATOM || reply->format != 32)
        return std::nullopt;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    return QList<xcb_atom_t>(atoms, atoms + xcb_get_property_value_length(reply.get()) / 4);
}

bool allowsAction(quint32 id, std::initializer_list<const char *> actions)
{
    X11Connection &x = X11Connection::Instance();
    if (!x.IsValid() || id == 0)
        return false;
    const std::optional<QList<xcb_atom_t>> allowed = allowedActions(x, id);
    if (!allowed)
        return x.WindowExists(id); // the window manager says nothing: allowed
    return std::any_of(actions.begin(), actions.end(),
                       [&](const char *action) { return allowed->contains(x.Atom(action)); });
}

// The top-level ancestor (a child of the root) of a window.
xcb_window_t topLevelOf(X11Connection &x, xcb_window_t window)
{
    for (int depth = 0; window != XCB_WINDOW_NONE && depth < 64; ++depth) {
        xcb_generic_error_t *error = nullptr;
        XcbPtr<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(x.Connection(), xcb_query_tree(x.Connection(), window), &error));
        std::free(error);
        if (!tree)
            return XCB_WINDOW_NONE;
        if (tree->parent == x.Root() || tree->parent == XCB_WINDOW_NONE)
            return window;
        window = tree->parent;
    }
    return XCB_WINDOW_NONE;
}

quint32 focusedTopLevel(X11Connection &x)
{
    xcb_generic_error_t *error = nullptr;
    XcbPtr<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(x.Connection(), xcb_get_input_focus(x.Connection()), &error));
    std::free(error);
    // None and PointerRoot are 0 and 1.
    if (!focus || focus->focus <= XCB_INPUT_FOCUS_POINTER_ROOT || focus->focus == x.Root())
        return 0;
    return topLevelOf(x, focus->focus);
}

void sendMaximizedState(X11Connection &x, quint32 id, quint32 action)
{
    x.SendClientMessage(id, x.Atom("_NET_WM_STATE"),
                        {action, x.Atom("_NET_WM_STATE_MAXIMIZED_VERT"),
                         x.Atom("_NET_WM_STATE_MAXIMIZED_HORZ"), kSourcePager, 0});
    x.Flush();
}

} // namespace

QList<DesktopWindow> X11WindowSystem::ListClosableWindows(quint32 excludeOwnWindow, bool withIcons)
{
    QList<DesktopWindow> result;
    X11Connection &x = X11Connection::Instance();
    if (!x.IsValid())
        return result;
    QList<xcb_window_t> windows = clientWindowsBottomFirst(x);
    std::reverse(windows.begin(), windows.end());
    for (xcb_window_t window : windows) {
        if (window == XCB_WINDOW_NONE || window == excludeOwnWindow || !isClosableClient(x, window))
            continue;
        DesktopWindow entry;
        entry.id = window;
        entry.title = X11WindowTitle(x, window).left(kMaxTitleLength);
        if (entry.title.isEmpty())
            continue;
        if (withIcons)
            entry.icon = WindowIcon(window);
        result.append(entry);
    }
    return result;
}

QIcon X11WindowSystem::WindowIcon(quint32 id)
{
    const QImage image = ReadNetWmIcon(X11Connection::Instance(), id, kMenuIconSize);
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

bool X11WindowSystem::CloseWindowPolitely(quint32 id)
{
    X11Connection &x = X11Connection::Instance();
    if (!x.IsValid() || id == 0 || !x.WindowExists(id))
        return false;
    if (windowManagerSupports(x, "_NET_CLOSE_WINDOW")) {
        x.SendClientMessage(id, x.Atom("_NET_CLOSE_WINDOW"), {XCB_CURRENT_TIME, kSourcePager, 0, 0, 0});
        x.Flush();
        return true;
    }
    const xcb_atom_t protocols = x.Atom("WM_PROTOCOLS");
    const xcb_atom_t deleteWindow = x.Atom("WM_DELETE_WINDOW");
    if (!x.GetAtoms(id, protocols).contains(deleteWindow))
        return false;
    return X11SendClientMessageToEach(x, {id}, protocols, {deleteWindow, XCB_CURRENT_TIME, 0, 0, 0}) == 1;
}

quint32 X11WindowSystem::ActiveWindow()
{
    X11Connection &x = X11Connection::Instance();
    if (!x.IsValid())
        return 0;
    if (x.HasEwmhWindowManager()) {
        const xcb_window_t active = x.GetWindow(x.Root(), x.Atom("_NET_ACTIVE_WINDOW"));
        return active == x.Root() ? 0 : active;
    }
    return focusedTopLevel(x);
}

bool X11WindowSystem::CanMaximize(quint32 id)
{
    return allowsAction(id, {"_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"});
}

bool X11WindowSystem::CanMinimize(quint32 id)
{
    return allowsAction(id, {"_NET_WM_ACTION_MINIMIZE"});
}

bool X11WindowSystem::IsMaximized(quint32 id)
{
    X11Connection &x = X11Connection::Instance();
    if (!x.IsValid() || id == 0)
        return false;
    const QList<xcb_atom_t> states = x.GetAtoms(id, x.Atom("_NET_WM_STATE"));
    return states.contains(x.Atom("_NET_WM_STATE_MAXIMIZED_VERT"))
           && states.contains(x.Atom("_NET_WM_STATE_MAXIMIZED_HORZ"));
}

bool X11WindowSystem::MaximizeOrRestore(quint32 id)
{
    X11Connection &x = X11Connection::Instance();
    if (!CanMaximize(id) || !x.HasEwmhWindowManager())
        return false;
    // Both ways at once; a window maximized only one way becomes fully maximized.
    sendMaximizedState(x, id, IsMaximized(id) ? kStateRemove : kStateAdd);
    return true;
}

bool X11WindowSystem::Minimize(quint32 id)
{
    X11Connection &x = X11Connection::Instance();
    if (!CanMinimize(id))
        return false;
    x.SendClientMessage(id, x.Atom("WM_CHANGE_STATE"), {kIconicState, 0, 0, 0, 0});
    x.Flush();
    return true;
}

bool X11WindowSystem::ActivateWindow(quint32 id)
{
    X11Connection &x = X11Connection::Instance();
    if (!x.IsValid() || id == 0 || !x.HasEwmhWindowManager() || !x.WindowExists(id))
        return false;
    x.SendClientMessage(id, x.Atom("_NET_ACTIVE_WINDOW"), {kSourcePager, XCB_CURRENT_TIME, 0, 0, 0});
    x.Flush();
    return true;
}
