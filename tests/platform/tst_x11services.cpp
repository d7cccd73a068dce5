// The X11 services against a real X server with a window manager (Xvfb and openbox): the window
// list and window commands, global hotkeys and the substitute taskbar. Runs only on the xcb
// platform with DISPLAY set; skipped otherwise.
#include "platform/linux/x11globalhotkeys.h"
#include "platform/linux/ewmhappbarservice.h"
#include "platform/linux/x11connection.h"
#include "platform/linux/x11windowquery.h"
#include "platform/substitutetaskbar.h"
#include "platform/windowsystem.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>
#include <QtTest>

#include <xcb/xcb_keysyms.h>

#include <X11/keysym.h>

#include <cstdlib>
#include <memory>

namespace {

class ClosableWidget : public QWidget
{
public:
    explicit ClosableWidget(const QString &title, Qt::WindowFlags flags = {}) : QWidget(nullptr, flags)
    {
        setWindowTitle(title);
        resize(240, 160);
    }
    int closeRequests = 0;
    bool refuseClose = false;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closeRequests;
        if (refuseClose)
            event->ignore();
        else
            event->accept();
    }
};

// Another X client, as another program on the desktop would be.
class OtherClient
{
public:
    OtherClient()
    {
        int screenNumber = 0;
        m_connection = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(m_connection))
            return;
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
        for (int i = 0; i < screenNumber && it.rem; ++i)
            xcb_screen_next(&it);
        m_root = it.data ? it.data->root : 0;
        m_symbols = xcb_key_symbols_alloc(m_connection);
    }
    ~OtherClient()
    {
        if (m_symbols)
            xcb_key_symbols_free(m_symbols);
        xcb_disconnect(m_connection);
    }
    bool IsValid() const { return m_root != 0 && m_symbols; }
    xcb_connection_t *Connection() const { return m_connection; }

    xcb_keycode_t Keycode(xcb_keysym_t keysym) const
    {
        xcb_keycode_t *codes = xcb_key_symbols_get_keycode(m_symbols, keysym);
        const xcb_keycode_t code = codes ? codes[0] : 0;
        std::free(codes);
        return code;
    }
    // True when the grab was granted (BadAccess when someone else holds the key).
    bool GrabKey(xcb_keysym_t keysym, quint16 modifiers)
    {
        xcb_generic_error_t *error = xcb_request_check(
            m_connection, xcb_grab_key_checked(m_connection, 0, m_root, modifiers, Keycode(keysym),
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        std::free(error);
        return error == nullptr;
    }
    xcb_window_t CreateHiddenWindow()
    {
        const xcb_window_t window = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window, m_root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_flush(m_connection);
        return window;
    }
    // A panel of another program: a dock window reserving the top strip over the given width.
    xcb_window_t MapTopPanel(quint32 height, quint32 width)
    {
        const xcb_window_t window = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window, m_root, 0, 0, quint16(width), quint16(height), 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        const xcb_atom_t dock = Atom("_NET_WM_WINDOW_TYPE_DOCK");
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, Atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32,
                            1, &dock);
        const quint32 strut[12] = {0, 0, height, 0, 0, 0, 0, 0, 0, width - 1, 0, 0};
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, Atom("_NET_WM_STRUT_PARTIAL"),
                            XCB_ATOM_CARDINAL, 32, 12, strut);
        xcb_map_window(m_connection, window);
        xcb_flush(m_connection);
        return window;
    }
    xcb_atom_t Atom(const char *name)
    {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, quint16(strlen(name)), name), nullptr);
        const xcb_atom_t atom = reply ? reply->atom : 0;
        std::free(reply);
        return atom;
    }
    // Counts the client messages of a type that arrive for a window within the time given.
    int ClientMessagesFor(xcb_window_t window, xcb_atom_t type, int milliseconds)
    {
        int count = 0;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < milliseconds) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
                if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
                    const auto *message = reinterpret_cast<xcb_client_message_event_t *>(event);
                    if (message->window == window && message->type == type)
                        ++count;
                }
                std::free(event);
            }
            QTest::qWait(20);
        }
        return count;
    }

private:
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
    xcb_key_symbols_t *m_symbols = nullptr;
};

quint32 idOf(QWidget *widget)
{
    return quint32(widget->winId());
}

int indexIn(const QList<DesktopWindow> &windows, quint32 id)
{
    for (int i = 0; i < windows.size(); ++i) {
        if (windows.at(i).id == id)
            return i;
    }
    return -1;
}

bool isListed(quint32 id)
{
    return indexIn(ListClosableWindows(0, false), id) >= 0;
}

bool isManaged(quint32 id)
{
    X11Connection &x = X11Connection::Instance();
    return x.GetWindows(x.Root(), x.Atom("_NET_CLIENT_LIST")).contains(id);
}

int taskbarWindowCount()
{
    X11Connection &x = X11Connection::Instance();
    return int(X11WindowClassNames(x, X11TopLevelWindows(x)).count(QByteArrayLiteral("Shell_TrayWnd")));
}

bool xdotool(const QStringList &arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

bool pressKeys(const QString &keys)
{
    return xdotool({QStringLiteral("key"), keys});
}

QPixmap filled(int size, const QColor &colour)
{
    QPixmap pixmap(size, size);
    pixmap.fill(colour);
    return pixmap;
}

} // namespace

class TestX11Services : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void substituteTaskbarIsMadeOnceAndAnnounced();

    void listsTitledWindowsTopmostFirst();
    void leavesOutWindowsNotClosedByName_data();
    void leavesOutWindowsNotClosedByName();
    void titleFallsBackToWmName();
    void iconNearestSixteenPixels();
    void closesPolitelyAndTheWindowDecides();
    void maximizeRestoreMinimizeActivate();
    void fixedSizeWindowIsNotMaximized();

    void hotkeyFiresOnPressWhateverTheLocks();
    void hotkeyPressNeverReachesOwnWindows();
    void unregisteredHotkeyIsReleased();
    void combinationHeldElsewhereIsRefusedCleanly();
    void sameCombinationTwiceFirstWins();
    void badArgumentsAreRefused();

    void newPanelRedocksEvenWhenTheWorkAreaStays();

private:
    bool m_haveXdotool = false;
    QList<QWidget *> m_windows;

    template <typename W>
    W *showWindow(W *widget)
    {
        m_windows.append(widget);
        widget->show();
        if (!QTest::qWaitForWindowExposed(widget))
            return nullptr;
        const quint32 id = idOf(widget);
        if (!QTest::qWaitFor([id] { return isManaged(id); }, 3000))
            return nullptr;
        return widget;
    }
};

void TestX11Services::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs an X server (QT_QPA_PLATFORM=xcb and DISPLAY)");
    if (!X11Connection::Instance().HasEwmhWindowManager())
        QSKIP("needs a window manager (for example openbox)");
    m_haveXdotool = !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();
}

void TestX11Services::cleanup()
{
    qDeleteAll(m_windows);
    m_windows.clear();
}

// Kept first: the substitute window lives as long as the test program.
void TestX11Services::substituteTaskbarIsMadeOnceAndAnnounced()
{
    QVERIFY(!TaskbarWindowExists());
    OtherClient other;
    QVERIFY(other.IsValid());
    const xcb_window_t listener = other.CreateHiddenWindow();
    const xcb_atom_t taskbarCreated = other.Atom("TaskbarCreated");

    QString error;
    QVERIFY2(CreateSubstituteTaskbar(&error), qPrintable(error));
    QVERIFY(error.isEmpty());
    QVERIFY(TaskbarWindowExists());
    QCOMPARE(taskbarWindowCount(), 1);
    QCOMPARE(other.ClientMessagesFor(listener, taskbarCreated, 1000), 1);

    // A second call finds the window: nothing new is made or announced.
    QVERIFY(CreateSubstituteTaskbar(&error));
    QCOMPARE(taskbarWindowCount(), 1);
    QCOMPARE(other.ClientMessagesFor(listener, taskbarCreated, 300), 0);
}

void TestX11Services::listsTitledWindowsTopmostFirst()
{
    auto *lower = showWindow(new ClosableWidget(QStringLiteral("Quorix lower window")));
    QVERIFY(lower);
    auto *upper = showWindow(new ClosableWidget(QStringLiteral("Quorix upper wíndow ü")));
    QVERIFY(upper);
    upper->raise();
    QTRY_VERIFY(indexIn(ListClosableWindows(0), idOf(upper)) >= 0
                && indexIn(ListClosableWindows(0), idOf(upper)) < indexIn(ListClosableWindows(0), idOf(lower)));

    const QList<DesktopWindow> windows = ListClosableWindows(0);
    QCOMPARE(windows.at(indexIn(windows, idOf(upper))).title, QStringLiteral("Quorix upper wíndow ü"));
    QCOMPARE(windows.at(indexIn(windows, idOf(lower))).title, QStringLiteral("Quorix lower window"));

    // Raising the other one turns the order round.
    lower->raise();
    QTRY_VERIFY(indexIn(ListClosableWindows(0, false), idOf(lower))
                < indexIn(ListClosableWindows(0, false), idOf(upper)));

    // The bar's own window is left out when named.
    QCOMPARE(indexIn(ListClosableWindows(idOf(upper), false), idOf(upper)), -1);
    QVERIFY(indexIn(ListClosableWindows(idOf(upper), false), idOf(lower)) >= 0);
}

void TestX11Services::leavesOutWindowsNotClosedByName_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("tool window") << QStringLiteral("tool");
    QTest::newRow("splash screen") << QStringLiteral("splash");
    QTest::newRow("dialog owned by a window") << QStringLiteral("owned");
    QTest::newRow("dock") << QStringLiteral("dock");
    QTest::newRow("untitled") << QStringLiteral("untitled");
    QTest::newRow("bypassing the window manager") << QStringLiteral("bypass");
}

void TestX11Services::leavesOutWindowsNotClosedByName()
{
    QFETCH(QString, kind);
    X11Connection &x = X11Connection::Instance();
    auto *normal = showWindow(new ClosableWidget(QStringLiteral("Quorix normal window")));
    QVERIFY(normal);

    QWidget *special = nullptr;
    if (kind == QLatin1String("tool"))
        special = new ClosableWidget(QStringLiteral("Quorix tool"), Qt::Tool);
    else if (kind == QLatin1String("splash"))
        special = new ClosableWidget(QStringLiteral("Quorix splash"), Qt::SplashScreen);
    else if (kind == QLatin1String("owned"))
        special = new QDialog(normal); // deleted with its owner
    else if (kind == QLatin1String("bypass"))
        special = new ClosableWidget(QStringLiteral("Quorix bypass"), Qt::BypassWindowManagerHint);
    else
        special = new ClosableWidget(QStringLiteral("Quorix ") + kind);
    special->setWindowTitle(QStringLiteral("Quorix special ") + kind);
    if (kind == QLatin1String("dock")) {
        // The type must be in place before the window maps.
        x.SetAtoms(idOf(special), x.Atom("_NET_WM_WINDOW_TYPE"), {x.Atom("_NET_WM_WINDOW_TYPE_DOCK")});
    }
    if (kind != QLatin1String("owned"))
        m_windows.append(special);
    special->show();
    QVERIFY(QTest::qWaitForWindowExposed(special));
    if (kind == QLatin1String("untitled")) {
        x.DeleteProperty(idOf(special), x.Atom("_NET_WM_NAME"));
        x.DeleteProperty(idOf(special), XCB_ATOM_WM_NAME);
        x.Flush();
    }
    QTRY_VERIFY(isListed(idOf(normal)));
    QTest::qWait(200); // the window manager has seen the special window too
    QVERIFY(!isListed(idOf(special)));
}

void TestX11Services::titleFallsBackToWmName()
{
    X11Connection &x = X11Connection::Instance();
    auto *window = showWindow(new ClosableWidget(QStringLiteral("Quorix modern title")));
    QVERIFY(window);
    x.DeleteProperty(idOf(window), x.Atom("_NET_WM_NAME"));
    x.SetLatin1String(idOf(window), XCB_ATOM_WM_NAME, QByteArray("Old-style title \xe9t\xe9"));
    x.Flush();
    QTRY_COMPARE(ListClosableWindows(0, false).value(indexIn(ListClosableWindows(0, false), idOf(window))).title,
                 QStringLiteral("Old-style title été"));
}

void TestX11Services::iconNearestSixteenPixels()
{
    auto *window = new ClosableWidget(QStringLiteral("Quorix icon window"));
    QIcon icon;
    icon.addPixmap(filled(48, Qt::blue));
    icon.addPixmap(filled(16, Qt::red));
    icon.addPixmap(filled(32, Qt::green));
    window->setWindowIcon(icon);
    QVERIFY(showWindow(window));
    QTRY_VERIFY(!WindowIcon(idOf(window)).isNull());

    const QList<DesktopWindow> windows = ListClosableWindows(0);
    const int index = indexIn(windows, idOf(window));
    QVERIFY(index >= 0);
    const QIcon listed = windows.at(index).icon;
    QCOMPARE(listed.availableSizes().value(0), QSize(16, 16));
    QCOMPARE(listed.pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));

    auto *plain = showWindow(new ClosableWidget(QStringLiteral("Quorix plain window")));
    QVERIFY(plain);
    QVERIFY(ListClosableWindows(0, false).at(indexIn(ListClosableWindows(0, false), idOf(plain))).icon.isNull());
}

void TestX11Services::closesPolitelyAndTheWindowDecides()
{
    auto *willing = showWindow(new ClosableWidget(QStringLiteral("Quorix closes willingly")));
    QVERIFY(willing);
    auto *unwilling = showWindow(new ClosableWidget(QStringLiteral("Quorix asks to save first")));
    QVERIFY(unwilling);
    unwilling->refuseClose = true;

    QVERIFY(CloseWindowPolitely(idOf(willing)));
    QVERIFY(CloseWindowPolitely(idOf(unwilling)));
    QTRY_COMPARE(willing->closeRequests, 1);
    QTRY_COMPARE(unwilling->closeRequests, 1);
    QTRY_VERIFY(!willing->isVisible());
    QTest::qWait(200);
    QVERIFY(unwilling->isVisible());
    QVERIFY(isListed(idOf(unwilling)));

    QVERIFY(!CloseWindowPolitely(0));
    OtherClient other;
    const xcb_window_t gone = other.CreateHiddenWindow();
    xcb_destroy_window(other.Connection(), gone);
    xcb_flush(other.Connection());
    QTRY_VERIFY(!X11Connection::Instance().WindowExists(gone));
    QVERIFY(!CloseWindowPolitely(gone));
}

void TestX11Services::maximizeRestoreMinimizeActivate()
{
    auto *window = showWindow(new ClosableWidget(QStringLiteral("Quorix active window")));
    QVERIFY(window);
    const quint32 id = idOf(window);
    QVERIFY(ActivateWindow(id));
    QTRY_COMPARE(ActiveWindow(), id);
    QVERIFY(CanMaximize(id));
    QVERIFY(CanMinimize(id));

    QVERIFY(MaximizeOrRestore(id));
    QTRY_VERIFY(IsMaximized(id));
    QTRY_VERIFY(window->isMaximized());
    // Pressed again, the maximized window is restored; and again, maximized.
    QVERIFY(MaximizeOrRestore(id));
    QTRY_VERIFY(!IsMaximized(id));
    QTRY_VERIFY(!window->isMaximized());

    // Maximized one way only: the command maximizes it fully rather than restoring it.
    X11Connection &x = X11Connection::Instance();
    x.SendClientMessage(id, x.Atom("_NET_WM_STATE"), {1, x.Atom("_NET_WM_STATE_MAXIMIZED_VERT"), 0, 2, 0});
    x.Flush();
    QTRY_VERIFY(x.GetAtoms(id, x.Atom("_NET_WM_STATE")).contains(x.Atom("_NET_WM_STATE_MAXIMIZED_VERT")));
    QVERIFY(!IsMaximized(id));
    QVERIFY(MaximizeOrRestore(id));
    QTRY_VERIFY(IsMaximized(id));

    QVERIFY(Minimize(id));
    QTRY_VERIFY(window->isMinimized());
    QVERIFY(isListed(id)); // minimized windows can still be closed by name

    QVERIFY(ActivateWindow(id));
    QTRY_VERIFY(!window->isMinimized());
    QTRY_COMPARE(ActiveWindow(), id);

    QVERIFY(!CanMaximize(0));
    QVERIFY(!MaximizeOrRestore(0));
    QVERIFY(!Minimize(0));
    QVERIFY(!ActivateWindow(0));
}

void TestX11Services::fixedSizeWindowIsNotMaximized()
{
    auto *window = new ClosableWidget(QStringLiteral("Quorix fixed size"));
    window->setFixedSize(200, 120);
    QVERIFY(showWindow(window));
    const quint32 id = idOf(window);
    QTRY_VERIFY(!X11Connection::Instance().GetAtoms(id, X11Connection::Instance().Atom("_NET_WM_ALLOWED_ACTIONS")).isEmpty());
    QVERIFY(!CanMaximize(id));
    QVERIFY(!MaximizeOrRestore(id));
    QTest::qWait(200);
    QVERIFY(!IsMaximized(id));
    QCOMPARE(window->size(), QSize(200, 120));
}

void TestX11Services::hotkeyFiresOnPressWhateverTheLocks()
{
    if (!m_haveXdotool)
        QSKIP("needs xdotool");
    X11GlobalHotkeys hotkeys;
    QVERIFY(hotkeys.IsAvailable());
    QSignalSpy pressed(&hotkeys, &GlobalHotkeys::HotkeyPressed);
    QVERIFY(hotkeys.Register(7, GlobalHotkeys::ModWin, 0x78)); // WIN+F9
    QVERIFY(hotkeys.IsRegistered(7));

    // F9 goes up while the Windows key is still down: that release must not fire again.
    QVERIFY(xdotool({QStringLiteral("keydown"), QStringLiteral("super"), QStringLiteral("key"),
                     QStringLiteral("F9"), QStringLiteral("keyup"), QStringLiteral("super")}));
    QTRY_COMPARE(pressed.count(), 1);
    QCOMPARE(pressed.at(0).at(0).toInt(), 7);
    QTest::qWait(200);
    QCOMPARE(pressed.count(), 1);

    for (const QString &lock : {QStringLiteral("Num_Lock"), QStringLiteral("Caps_Lock")}) {
        QVERIFY(pressKeys(lock));
        QVERIFY(pressKeys(QStringLiteral("super+F9")));
        QTRY_COMPARE(pressed.count(), lock == QLatin1String("Num_Lock") ? 2 : 3);
    }
    QVERIFY(pressKeys(QStringLiteral("super+F9"))); // both locks on
    QTRY_COMPARE(pressed.count(), 4);
    QVERIFY(pressKeys(QStringLiteral("Num_Lock")));
    QVERIFY(pressKeys(QStringLiteral("Caps_Lock")));

    // Another modifier is another combination.
    QVERIFY(pressKeys(QStringLiteral("ctrl+super+F9")));
    QTest::qWait(300);
    QCOMPARE(pressed.count(), 4);
}

void TestX11Services::hotkeyPressNeverReachesOwnWindows()
{
    if (!m_haveXdotool)
        QSKIP("needs xdotool");
    auto *edit = new QLineEdit;
    QVERIFY(showWindow(edit));
    QVERIFY(ActivateWindow(idOf(edit)));
    QTRY_COMPARE(ActiveWindow(), idOf(edit));
    edit->setFocus();

    // SHIFT+A would type a capital A into the focused field if the press reached it.
    X11GlobalHotkeys hotkeys;
    QSignalSpy pressed(&hotkeys, &GlobalHotkeys::HotkeyPressed);
    QVERIFY(hotkeys.Register(1, GlobalHotkeys::ModShift, 0x41));
    QVERIFY(pressKeys(QStringLiteral("shift+a")));
    QTRY_COMPARE(pressed.count(), 1);
    QVERIFY(pressKeys(QStringLiteral("b")));
    QTRY_COMPARE(edit->text(), QStringLiteral("b"));
}

void TestX11Services::unregisteredHotkeyIsReleased()
{
    if (!m_haveXdotool)
        QSKIP("needs xdotool");
    X11GlobalHotkeys hotkeys;
    QSignalSpy pressed(&hotkeys, &GlobalHotkeys::HotkeyPressed);
    QVERIFY(hotkeys.Register(1, GlobalHotkeys::ModWin, 0x78));
    // ALT+SHIFT+F11 (CTRL+ALT+F keys switch virtual terminals in the X server and never arrive).
    QVERIFY(hotkeys.Register(2, GlobalHotkeys::ModAlt | GlobalHotkeys::ModShift, 0x7A));
    hotkeys.Unregister(1);
    QVERIFY(!hotkeys.IsRegistered(1));
    QVERIFY(pressKeys(QStringLiteral("super+F9")));
    QVERIFY(pressKeys(QStringLiteral("shift+alt+F11")));
    QTRY_COMPARE(pressed.count(), 1);
    QCOMPARE(pressed.at(0).at(0).toInt(), 2);

    // Released on every lock variant: another program can take each of them now.
    OtherClient other;
    QVERIFY(other.IsValid());
    QVERIFY(other.GrabKey(XK_F9, XCB_MOD_MASK_4));
    QVERIFY(other.GrabKey(XK_F9, XCB_MOD_MASK_4 | XCB_MOD_MASK_LOCK));

    // UnregisterAll releases the rest.
    hotkeys.UnregisterAll();
    QVERIFY(!hotkeys.IsRegistered(2));
    QVERIFY(other.GrabKey(XK_F11, XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_1 | XCB_MOD_MASK_LOCK));
}

void TestX11Services::combinationHeldElsewhereIsRefusedCleanly()
{
    X11GlobalHotkeys hotkeys;
    {
        OtherClient other;
        QVERIFY(other.IsValid());
        QVERIFY(other.GrabKey(XK_F10, XCB_MOD_MASK_4)); // only the variant without locks
        QVERIFY(!hotkeys.Register(3, GlobalHotkeys::ModWin, 0x79));
        QVERIFY(!hotkeys.IsRegistered(3));
        // The variants that were granted before the refusal were given back.
        QVERIFY(other.GrabKey(XK_F10, XCB_MOD_MASK_4 | XCB_MOD_MASK_LOCK));
    }
    // The other program has gone: the key is free.
    QTRY_VERIFY(hotkeys.Register(3, GlobalHotkeys::ModWin, 0x79));
}

void TestX11Services::sameCombinationTwiceFirstWins()
{
    if (!m_haveXdotool)
        QSKIP("needs xdotool");
    X11GlobalHotkeys hotkeys;
    QSignalSpy pressed(&hotkeys, &GlobalHotkeys::HotkeyPressed);
    QVERIFY(hotkeys.Register(1, GlobalHotkeys::ModWin, 0x7B)); // WIN+F12
    QVERIFY(!hotkeys.Register(2, GlobalHotkeys::ModWin, 0x7B));
    QVERIFY(pressKeys(QStringLiteral("super+F12")));
    QTRY_COMPARE(pressed.count(), 1);
    QCOMPARE(pressed.at(0).at(0).toInt(), 1);

    // Registering an id again moves it to the new combination.
    QVERIFY(hotkeys.Register(1, GlobalHotkeys::ModWin, 0x78));
    QVERIFY(hotkeys.Register(2, GlobalHotkeys::ModWin, 0x7B));
    QVERIFY(pressKeys(QStringLiteral("super+F12")));
    QTRY_COMPARE(pressed.count(), 2);
    QCOMPARE(pressed.at(1).at(0).toInt(), 2);
}

void TestX11Services::badArgumentsAreRefused()
{
    X11GlobalHotkeys hotkeys;
    QVERIFY(!hotkeys.Register(1, 16, 0x78));           // an unknown modifier flag
    QVERIFY(!hotkeys.Register(2, GlobalHotkeys::ModWin, 0x10)); // Shift is no hotkey key
    QVERIFY(!hotkeys.Register(3, GlobalHotkeys::ModWin, 0));
    QVERIFY(!hotkeys.IsRegistered(1));
}

// fluxbox announces a panel's work area before the panel is in its client list; a panel whose
// strut leaves the work area as it was never changes it at all. Either way the bars look again.
void TestX11Services::newPanelRedocksEvenWhenTheWorkAreaStays()
{
    OtherClient other;
    QVERIFY(other.IsValid());
    X11Connection &x = X11Connection::Instance();
    const auto workAreaTop = [&x] {
        const QList<quint32> area = x.GetCardinals(x.Root(), x.Atom("_NET_WORKAREA"));
        return area.size() >= 4 ? int(area[1]) : -1;
    };
    QWidget bar;
    bar.winId();
    EwmhAppBarService service(&x);
    service.Register(&bar);
    other.MapTopPanel(40, 1280);
    QTRY_COMPARE(workAreaTop(), 40);
    QCoreApplication::processEvents();
    QSignalSpy redock(&service, &AppBarService::PositionChanged);
    // A narrower, lower panel beside it: the work area stays at 40.
    other.MapTopPanel(20, 300);
    QTRY_VERIFY(redock.count() >= 1);
    QCOMPARE(workAreaTop(), 40);
    service.Remove(&bar);
}

QTEST_MAIN(TestX11Services)
#include "tst_x11services.moc"
