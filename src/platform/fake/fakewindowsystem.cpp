#include "platform/fake/fakewindowsystem.h"

namespace {
constexpr int kMaxTitleLength = 255;
}

FakeWindow *FakeWindowSystem::Find(quint32 id)
{
    if (id == 0)
        return nullptr;
    for (FakeWindow &window : windows) {
        if (window.id == id)
            return &window;
    }
    return nullptr;
}

void FakeWindowSystem::Record(const char *request, quint32 id)
{
    calls << QLatin1String(request) + QStringLiteral(" 0x") + QString::number(id, 16);
}

QList<DesktopWindow> FakeWindowSystem::ListClosableWindows(quint32 excludeOwnWindow, bool withIcons)
{
    QList<DesktopWindow> list;
    for (const FakeWindow &window : windows) {
        if (window.id == 0 || window.id == excludeOwnWindow || window.title.isEmpty())
            continue;
        list.append({window.id, window.title.left(kMaxTitleLength), withIcons ? window.icon : QIcon()});
    }
    return list;
}

QIcon FakeWindowSystem::WindowIcon(quint32 id)
{
    const FakeWindow *window = Find(id);
    return window ? window->icon : QIcon();
}

bool FakeWindowSystem::CloseWindowPolitely(quint32 id)
{
    Record("close", id);
    const FakeWindow *window = Find(id);
    return window && window->takesCloseRequests;
}

bool FakeWindowSystem::CanMaximize(quint32 id)
{
    const FakeWindow *window = Find(id);
    return window && window->canMaximize;
}

bool FakeWindowSystem::CanMinimize(quint32 id)
{
    const FakeWindow *window = Find(id);
    return window && window->canMinimize;
}

bool FakeWindowSystem::IsMaximized(quint32 id)
{
    const FakeWindow *window = Find(id);
    return window && window->maximized;
}

bool FakeWindowSystem::MaximizeOrRestore(quint32 id)
{
    Record("maximize-or-restore", id);
    FakeWindow *window = Find(id);
    if (!window || !window->canMaximize)
        return false;
    window->maximized = !window->maximized;
    return true;
}

bool FakeWindowSystem::Minimize(quint32 id)
{
    Record("minimize", id);
    FakeWindow *window = Find(id);
    if (!window || !window->canMinimize)
        return false;
    window->minimized = true;
    return true;
}

bool FakeWindowSystem::ActivateWindow(quint32 id)
{
    Record("activate", id);
    FakeWindow *window = Find(id);
    if (!window)
        return false;
    window->minimized = false;
    active = id;
    return true;
}
