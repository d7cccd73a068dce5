// A bar must never start daemons. When the session has no D-Bus session bus, D-Bus libraries
// (Qt's accessibility bridge and platform theme, GIO) would each start a bus daemon of their own
// for the bar the first time they look for one ("autolaunch"). The bar's process is told that the
// bus is disabled instead; MPRIS players are then simply not there.
#pragma once

// Called first in main, before Qt or GLib look for a bus: when no session bus is reachable, marks
// the session bus as disabled for this process. Programs the bar starts never inherit the mark.
void KeepBusDaemonsFromStarting();
