// A desktop of the test's making for the taskbar stand-in: whether a taskbar window exists, whether
// making one fails, and every request.
#pragma once

#include "platform/substitutetaskbar.h"

#include <QStringList>

class FakeSubstituteTaskbar : public SubstituteTaskbar
{
public:
    bool taskbarExists = false;
    // The reason making the stand-in fails; empty: it is made.
    QString failure;
    // "exists?" and "create" in order.
    QStringList calls;

    bool TaskbarWindowExists() override
    {
        calls << QStringLiteral("exists?");
        return taskbarExists;
    }
    bool CreateSubstituteTaskbar(QString *errorText) override
    {
        calls << QStringLiteral("create");
        if (taskbarExists)
            return true;
        if (!failure.isEmpty()) {
            if (errorText)
                *errorText = failure;
            return false;
        }
        taskbarExists = true;
        return true;
    }
};
