// The values that describe where an edge-docked bar may sit and how the task bar lists it.
#pragma once

#include <QFlags>

enum TAppBarEdge { abeLeft = 0, abeTop = 1, abeRight = 2, abeBottom = 3, abeUnknown = 4, abeFloat = 5 };
enum TAppBarFlag {
    abfAllowLeft = 1,
    abfAllowTop = 2,
    abfAllowRight = 4,
    abfAllowBottom = 8,
    abfAllowFloat = 16
};
Q_DECLARE_FLAGS(TAppBarFlags, TAppBarFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TAppBarFlags)
enum TAppBarTaskEntry { abtShow = 0, abtHide = 1, abtFloatDependent = 2 };
