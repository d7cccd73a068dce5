#include "platform/linux/xsettingsiconthemesource.h"

#include "platform/linux/x11connection.h"
#include "platform/linux/xsettings.h"

#include <QCoreApplication>

#include <cstdlib>

namespace {

const QByteArray kIconThemeName = QByteArrayLiteral("Net/IconThemeName");

} // namespace

XSettingsIconThemeSource::XSettingsIconThemeSource(QObject *parent)
    : XSettingsIconThemeSource(&X11Connection::Instance(), parent)
{
}

XSettingsIconThemeSource::XSettingsIconThemeSource(X11Connection *x11, QObject *parent)
    : IconThemeSource(parent), m_x11(x11)
{
}

XSettingsIconThemeSource::~XSettingsIconThemeSource()
{
    if (m_watching && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

xcb_atom_t XSettingsIconThemeSource::SelectionAtom()
{
    return m_x11->Atom(QByteArrayLiteral("_XSETTINGS_S") + QByteArray::number(m_x11->ScreenNumber()));
}

void XSettingsIconThemeSource::FindOwner()
{
    m_owner = XCB_WINDOW_NONE;
    xcb_get_selection_owner_reply_t *reply = xcb_get_selection_owner_reply(
        m_x11->Connection(), xcb_get_selection_owner(m_x11->Connection(), SelectionAtom()), nullptr);
    if (reply)
        m_owner = reply->owner;
    std::free(reply);
    // Its property changes, and its end (the daemon quits), reach us from here on.
    if (m_watching && m_owner != XCB_WINDOW_NONE)
        m_x11->AddEventMask(m_owner, XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY);
}

QString XSettingsIconThemeSource::IconThemeName()
{
    if (!m_x11 || !m_x11->IsValid())
        return {};
    if (!m_watching)
        FindOwner();
    if (m_owner == XCB_WINDOW_NONE)
        return {};
    const xcb_atom_t settings = m_x11->Atom(QByteArrayLiteral("_XSETTINGS_SETTINGS"));
    const QByteArray data = m_x11->GetProperty(m_owner, settings, settings, 8);
    return XSettingsString(data, kIconThemeName).value_or(QString());
}

void XSettingsIconThemeSource::Watch()
{
    if (m_watching || !m_x11 || !m_x11->IsValid() || !QCoreApplication::instance())
        return;
    m_watching = true;
    QCoreApplication::instance()->installNativeEventFilter(this);
    // A settings daemon that starts later says so to the root window (MANAGER).
    m_x11->AddEventMask(m_x11->Root(), XCB_EVENT_MASK_STRUCTURE_NOTIFY);
    FindOwner();
    m_lastName = IconThemeName();
}

void XSettingsIconThemeSource::CheckName()
{
    const QString name = IconThemeName();
    if (name.isEmpty() || name == m_lastName)
        return;
    m_lastName = name;
    Q_EMIT IconThemeChanged(name);
}

bool XSettingsIconThemeSource::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (!m_watching || eventType != "xcb_generic_event_t")
        return false;
    auto *event = static_cast<xcb_generic_event_t *>(message);
    switch (X11Connection::EventType(event)) {
    case XCB_PROPERTY_NOTIFY: {
        auto *notify = reinterpret_cast<xcb_property_notify_event_t *>(event);
        if (notify->window == m_owner && notify->atom == m_x11->Atom(QByteArrayLiteral("_XSETTINGS_SETTINGS")))
            CheckName();
        break;
    }
    case XCB_CLIENT_MESSAGE: {
        auto *client = reinterpret_cast<xcb_client_message_event_t *>(event);
        if (client->window == m_x11->Root() && client->type == m_x11->Atom(QByteArrayLiteral("MANAGER"))
            && client->format == 32 && client->data.data32[1] == SelectionAtom()) {
            FindOwner();
            CheckName();
        }
        break;
    }
    case XCB_DESTROY_NOTIFY:
        if (reinterpret_cast<xcb_destroy_notify_event_t *>(event)->window == m_owner)
            m_owner = XCB_WINDOW_NONE; // the theme stays as it was until a new daemon comes
        break;
    default:
        break;
    }
    return false; // Qt needs these events too
}
