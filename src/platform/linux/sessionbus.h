// Whether there is a session bus to talk to, asked before anything connects to it: without one,
// D-Bus would start a bus daemon of its own (autolaunch) for every program that asks.
#pragma once

// True when DBUS_SESSION_BUS_ADDRESS names a bus or $XDG_RUNTIME_DIR/bus exists; MPRIS players
// are simply not there otherwise.
bool SessionBusReachable();
