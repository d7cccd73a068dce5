#include "platform/linux/linuxplayertracks.h"

#include "platform/linux/mprisplayers.h"
#include "platform/linux/x11connection.h"
#include "platform/linux/x11windowquery.h"

#include <QCoreApplication>

namespace {

QString WinampWindowTrack()
{
    X11Connection &x = X11Connection::Instance();
    if (!x.IsValid())
        return QString();
    const QList<xcb_window_t> windows = X11TopLevelWindows(x);
    const QList<QByteArray> classes = X11WindowClassNames(x, windows);
    for (const char *wanted : {"Winamp v1.x", "STUDIO"}) {
        for (qsizetype i = 0; i < windows.size(); ++i) {
            if (classes[i] == wanted)
                return TrackFromPlayerWindowTitle(X11WindowTitle(x, windows[i]));
        }
    }
    return QString();
}

} // namespace

QString LinuxPlayerTracks::PlayingTrack()
{
    const QString winamp = WinampWindowTrack();
    if (!winamp.isEmpty())
        return winamp;
    // Made on first use and kept: it follows the players from then on (it goes with the
    // application object, before the bus connection does).
    if (!m_mpris && QCoreApplication::instance())
        m_mpris = new MprisPlayers(QCoreApplication::instance());
    return m_mpris ? m_mpris->PlayingTrack() : QString();
}
