// Other programs' windows of the test's making: a stacking list, the active window, and every
// request made of them, in order.
#pragma once

#include "platform/windowsystem.h"

#include <QStringList>

struct FakeWindow
{
    quint32 id = 0;
    QString title{};
    QIcon icon{};
    bool canMaximize = true;   // has a maximize box
    bool canMinimize = true;   // has a minimize box
    bool takesCloseRequests = true;
    bool maximized = false;
    bool minimized = false;
};

class FakeWindowSystem : public WindowSystem
{
public:
    QList<FakeWindow> windows;   // topmost first
    quint32 active = 0;
    // Every request, made or refused: "close 0x400001", "maximize-or-restore 0x400001",
    // "minimize 0x400001", "activate 0x400001".
    QStringList calls;

    // The window with that id; null when there is none.
    FakeWindow *Find(quint32 id);

    QList<DesktopWindow> ListClosableWindows(quint32 excludeOwnWindow, bool withIcons) override;
    QIcon WindowIcon(quint32 id) override;
    bool CloseWindowPolitely(quint32 id) override;
    quint32 ActiveWindow() override { return active; }
    bool CanMaximize(quint32 id) override;
    bool CanMinimize(quint32 id) override;
    bool IsMaximized(quint32 id) override;
    bool MaximizeOrRestore(quint32 id) override;
    bool Minimize(quint32 id) override;
    bool ActivateWindow(quint32 id) override;

private:
    void Record(const char *request, quint32 id);
};
