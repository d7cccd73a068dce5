#include "platform/linux/x11globalhotkeys.h"

#include "platform/linux/x11connection.h"
#include "platform/linux/x11modifiermap.h"
#include "platform/virtualkeys.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QTimer>

#include <xcb/xcb_keysyms.h>

#include <cstdlib>
#include <memory>

namespace {

struct FreeDeleter
{
    void operator()(void *p) const { std::free(p); }
};

constexpr int kKnownModifiers = GlobalHotkeys::ModAlt | GlobalHotkeys::ModControl
                                | GlobalHotkeys::ModShift | GlobalHotkeys::ModWin;

// XKB's events that mean the keyboard map changed (the server sends these instead of the core
// MappingNotify to clients that use XKB, as Qt does).
constexpr quint8 kXkbNewKeyboardNotify = 0;
constexpr quint8 kXkbMapNotify = 1;

struct Entry
{
    int id = 0;
    int modifiers = 0;
    int virtualKey = 0;
    quint16 xModifiers = 0;
    QList<xcb_keycode_t> keycodes; // empty while the key is not on the keyboard or not grabbed
};

} // namespace

// Also the filter that sees every event of Qt's X connection.
struct X11GlobalHotkeys::Private : public QAbstractNativeEventFilter
{
    GlobalHotkeys *q = nullptr;
    X11Connection &x = X11Connection::Instance();
    xcb_key_symbols_t *symbols = nullptr;
    X11ModifierMap map;
    QList<Entry> entries; // in registration order; no two share a combination
    bool filterInstalled = false;
    QTimer keymapRefresh;
    quint8 xkbFirstEvent = 0; // 0 when the server has no XKB

    bool IsValid() const { return x.IsValid() && symbols; }
    QList<xcb_keycode_t> KeycodesOf(quint32 keysym) const;
    bool HeldByOtherEntry(const QList<xcb_keycode_t> &keycodes, quint16 modifiers, int exceptId) const;
    bool Grab(const QList<xcb_keycode_t> &keycodes, quint16 modifiers);
    void Ungrab(const Entry &entry);
    bool Take(Entry &entry);
    void RefreshKeymap();
    const Entry *Find(xcb_keycode_t keycode, quint16 modifiers) const;
    bool HandleKeyEvent(const xcb_key_press_event_t *event, bool pressed);
    bool IsKeymapChange(const xcb_generic_event_t *event) const;
    void FindXkb();
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;
};

bool X11GlobalHotkeys::Private::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t" || !message)
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const quint8 type = X11Connection::EventType(event);
    if (type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE)
        return HandleKeyEvent(reinterpret_cast<const xcb_key_press_event_t *>(event),
                              type == XCB_KEY_PRESS);
    // Changes arrive in bursts; one refresh after them is enough. Qt sees the event too.
    if (IsKeymapChange(event))
        keymapRefresh.start();
    return false;
}

QList<xcb_keycode_t> X11GlobalHotkeys::Private::KeycodesOf(quint32 keysym) const
{
    QList<xcb_keycode_t> keycodes;
    std::unique_ptr<xcb_keycode_t, FreeDeleter> found(xcb_key_symbols_get_keycode(symbols, keysym));
    if (!found)
        return keycodes;
    for (const xcb_keycode_t *code = found.get(); *code != 0; ++code) {
        if (!keycodes.contains(*code))
            keycodes.append(*code);
    }
    return keycodes;
}

bool X11GlobalHotkeys::Private::HeldByOtherEntry(const QList<xcb_keycode_t> &keycodes, quint16 modifiers,
                                              int exceptId) const
{
    for (const Entry &entry : entries) {
        if (entry.id == exceptId || entry.xModifiers != modifiers)
            continue;
        for (xcb_keycode_t code : keycodes) {
            if (entry.keycodes.contains(code))
                return true;
        }
    }
    return false;
}

bool X11GlobalHotkeys::Private::Grab(const QList<xcb_keycode_t> &keycodes, quint16 modifiers)
{
    struct Attempt
    {
        xcb_keycode_t keycode;
        quint16 modifiers;
        xcb_void_cookie_t cookie;
    };
    xcb_connection_t *c = x.Connection();
    QList<Attempt> attempts;
    for (xcb_keycode_t code : keycodes) {
        for (quint16 lock : map.LockVariants()) {
            const quint16 mask = modifiers | lock;
            // owner_events off: the whole grab, releases included, is reported on the root, even
            // when one of Quorix's own windows has the focus, so it is never taken for typing.
            attempts.append({code, mask,
                             xcb_grab_key_checked(c, 0, x.Root(), mask, code, XCB_GRAB_MODE_ASYNC,
                                                  XCB_GRAB_MODE_ASYNC)});
        }
    }
    // Checked requests report their errors here rather than to Qt's error handler. Another
    // program's grab gives BadAccess.
    bool allTaken = true;
    QList<Attempt> taken;
    for (const Attempt &attempt : attempts) {
        xcb_generic_error_t *error = xcb_request_check(c, attempt.cookie);
        if (error)
            allTaken = false;
        else
            taken.append(attempt);
        std::free(error);
    }
    if (!allTaken) {
        QList<xcb_void_cookie_t> releases;
        for (const Attempt &attempt : taken)
            releases.append(xcb_ungrab_key_checked(c, attempt.keycode, x.Root(), attempt.modifiers));
        for (const xcb_void_cookie_t &cookie : releases)
            std::free(xcb_request_check(c, cookie));
    }
    return allTaken;
}

// Waits for the server: when this returns, another program can take the keys.
void X11GlobalHotkeys::Private::Ungrab(const Entry &entry)
{
    xcb_connection_t *c = x.Connection();
    QList<xcb_void_cookie_t> cookies;
    for (xcb_keycode_t code : entry.keycodes) {
        for (quint16 lock : map.LockVariants())
            cookies.append(xcb_ungrab_key_checked(c, code, x.Root(), entry.xModifiers | lock));
    }
    for (const xcb_void_cookie_t &cookie : cookies)
        std::free(xcb_request_check(c, cookie));
}

// Finds the entry's keys on the keyboard and grabs them; the entry's keycodes are those grabbed.
bool X11GlobalHotkeys::Private::Take(Entry &entry)
{
    entry.xModifiers = map.FromWindowsModifiers(entry.modifiers);
    entry.keycodes.clear();
    const QList<xcb_keycode_t> keycodes = KeycodesOf(VirtualKeyToKeysym(entry.virtualKey));
    if (keycodes.isEmpty() || HeldByOtherEntry(keycodes, entry.xModifiers, entry.id)
        || !Grab(keycodes, entry.xModifiers))
        return false;
    entry.keycodes = keycodes;
    return true;
}

// The keyboard map changed: keys may sit on other keycodes and locks on other modifier bits, so
// every hotkey is released and taken again. One that cannot be taken stays registered without
// effect, as when another program holds its key.
void X11GlobalHotkeys::Private::RefreshKeymap()
{
    if (!IsValid())
        return;
    for (const Entry &entry : entries)
        Ungrab(entry);
    xcb_key_symbols_free(symbols);
    symbols = xcb_key_symbols_alloc(x.Connection());
    if (!symbols)
        return;
    map = X11ModifierMap::Query(x.Connection(), symbols);
    for (Entry &entry : entries)
        entry.keycodes.clear(); // so that entries not yet taken again do not block each other
    for (Entry &entry : entries)
        Take(entry);
}

const Entry *X11GlobalHotkeys::Private::Find(xcb_keycode_t keycode, quint16 modifiers) const
{
    for (const Entry &entry : entries) {
        if (entry.xModifiers == modifiers && entry.keycodes.contains(keycode))
            return &entry;
    }
    return nullptr;
}

bool X11GlobalHotkeys::Private::HandleKeyEvent(const xcb_key_press_event_t *event, bool pressed)
{
    if (event->event != x.Root())
        return false;
    const Entry *entry = Find(event->detail, map.SignificantModifiers(event->state));
    if (!entry)
        return false;
    if (pressed) {
        const int id = entry->id;
        GlobalHotkeys *owner = q;
        QMetaObject::invokeMethod(
            owner, [owner, id] { Q_EMIT owner->HotkeyPressed(id); }, Qt::QueuedConnection);
    }
    return true; // the root window is no window of Qt's: nothing else wants the event
}

bool X11GlobalHotkeys::Private::IsKeymapChange(const xcb_generic_event_t *event) const
{
    const quint8 type = X11Connection::EventType(event);
    if (type == XCB_MAPPING_NOTIFY) {
        const auto *mapping = reinterpret_cast<const xcb_mapping_notify_event_t *>(event);
        return mapping->request == XCB_MAPPING_KEYBOARD || mapping->request == XCB_MAPPING_MODIFIER;
    }
    if (xkbFirstEvent != 0 && type == xkbFirstEvent) {
        // Every XKB event carries its own kind in the second byte.
        const quint8 xkbType = event->pad0;
        return xkbType == kXkbNewKeyboardNotify || xkbType == kXkbMapNotify;
    }
    return false;
}

void X11GlobalHotkeys::Private::FindXkb()
{
    static const char kName[] = "XKEYBOARD";
    xcb_connection_t *c = x.Connection();
    xcb_generic_error_t *error = nullptr;
    std::unique_ptr<xcb_query_extension_reply_t, FreeDeleter> reply(xcb_query_extension_reply(
        c, xcb_query_extension(c, quint16(sizeof(kName) - 1), kName), &error));
    std::free(error);
    if (reply && reply->present)
        xkbFirstEvent = reply->first_event;
}

X11GlobalHotkeys::X11GlobalHotkeys(QObject *parent) : GlobalHotkeys(parent), d(std::make_unique<Private>())
{
    d->q = this;
    d->keymapRefresh.setSingleShot(true);
    d->keymapRefresh.setInterval(0);
    connect(&d->keymapRefresh, &QTimer::timeout, this, [this] { d->RefreshKeymap(); });
    if (!d->x.IsValid())
        return;
    d->symbols = xcb_key_symbols_alloc(d->x.Connection());
    if (!d->symbols)
        return;
    d->map = X11ModifierMap::Query(d->x.Connection(), d->symbols);
    d->FindXkb();
    QCoreApplication::instance()->installNativeEventFilter(d.get());
    d->filterInstalled = true;
}

X11GlobalHotkeys::~X11GlobalHotkeys()
{
    UnregisterAll();
    if (d->filterInstalled)
        QCoreApplication::instance()->removeNativeEventFilter(d.get());
    if (d->symbols)
        xcb_key_symbols_free(d->symbols);
}

bool X11GlobalHotkeys::IsAvailable() const
{
    return d->IsValid();
}

bool X11GlobalHotkeys::Register(int id, int modifiers, int virtualKey)
{
    Unregister(id);
    if (!d->IsValid() || (modifiers & ~kKnownModifiers) != 0 || VirtualKeyToKeysym(virtualKey) == 0)
        return false;
    Entry entry;
    entry.id = id;
    entry.modifiers = modifiers;
    entry.virtualKey = virtualKey;
    if (!d->Take(entry))
        return false;
    d->entries.append(entry);
    return true;
}

void X11GlobalHotkeys::Unregister(int id)
{
    for (int i = 0; i < d->entries.size(); ++i) {
        if (d->entries.at(i).id == id) {
            const Entry entry = d->entries.takeAt(i);
            d->Ungrab(entry);
            return;
        }
    }
}

void X11GlobalHotkeys::UnregisterAll()
{
    while (!d->entries.isEmpty())
        Unregister(d->entries.constFirst().id);
}

bool X11GlobalHotkeys::IsRegistered(int id) const
{
    for (const Entry &entry : d->entries) {
        if (entry.id == id)
            return true;
    }
    return false;
}
