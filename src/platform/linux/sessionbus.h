// Whether there is a session bus to talk to, asked before anything connects to it: without one,
// D-Bus would start a bus daemon of its own (autolaunch) for every program that asks.
#pragma once

#include <QByteArray>

// True when DBUS_SESSION_BUS_ADDRESS names a bus or $XDG_RUNTIME_DIR/bus exists; MPRIS players
// are simply not there otherwise. The bar's own "disabled" mark names no bus.
bool SessionBusReachable();

// The address the bar gives itself when the session has no bus: no D-Bus library can connect to
// it, and none autolaunches a daemon for it.
inline constexpr char kDisabledBusAddress[] = "disabled:";

// True when DBUS_SESSION_BUS_ADDRESS is the bar's own mark, which started programs must not get.
bool BusDisabledForThisProcess();

// The environment for a program the bar starts: the bar's own, without the "disabled" mark (the
// program looks for a bus by itself). Free with g_strfreev.
char **ChildEnvironment();
