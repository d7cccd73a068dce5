// How the bar's repaints reach the X server. Qt sends them through X shared memory by default,
// and before it paints again it waits for the server to be done with the last one: a round trip
// for each repaint. The bar repaints a few small rectangles every second (meters, a clock), for
// which writing the pixels over the connection is cheaper and needs no reply.
#pragma once

#include <QByteArray>

// Asks Qt's X11 plugin, which decides when it connects to the display, to send pictures over
// the connection; Withdraw takes the request back once the connection is made, so that the
// programs the bar starts never inherit it. A choice the user made in the environment is kept.
class ConnectionImageTransfer
{
public:
    ConnectionImageTransfer();
    ~ConnectionImageTransfer();
    ConnectionImageTransfer(const ConnectionImageTransfer &) = delete;
    ConnectionImageTransfer &operator=(const ConnectionImageTransfer &) = delete;

    void Withdraw();

private:
    bool m_requested = false;
};
