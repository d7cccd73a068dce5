#include "platform/fake/fakeappbarservice.h"

namespace {
QString RectText(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

bool IsEdge(int edge)
{
    return edge >= 0 && edge < 4;
}
} // namespace

bool FakeAppBarService::Register(QWidget *)
{
    log << QStringLiteral("Register");
    return true;
}

void FakeAppBarService::Remove(QWidget *)
{
    log << QStringLiteral("Remove");
}

QRect FakeAppBarService::QueryPos(QWidget *, int edge, const QRect &rect)
{
    log << QStringLiteral("QueryPos %1").arg(edge);
    return adjust ? adjust(edge, rect) : rect;
}

QRect FakeAppBarService::SetPos(QWidget *, int edge, const QRect &rect)
{
    log << QStringLiteral("SetPos %1 %2").arg(edge).arg(rect.isEmpty() ? QStringLiteral("empty") : RectText(rect));
    return rect;
}

WId FakeAppBarService::GetAutoHideBar(int edge)
{
    log << QStringLiteral("GetAutoHideBar %1").arg(edge);
    return IsEdge(edge) ? holders[edge] : 0;
}

bool FakeAppBarService::SetAutoHideBar(QWidget *bar, int edge, bool claim)
{
    log << QStringLiteral("SetAutoHideBar %1 %2").arg(edge).arg(claim ? "claim" : "release");
    if (!IsEdge(edge))
        return false;
    const WId id = bar->winId();
    if (!claim) {
        if (holders[edge] == id)
            holders[edge] = 0;
        return true;
    }
    if (refuseClaims || (holders[edge] != 0 && holders[edge] != id))
        return false;
    holders[edge] = id;
    return true;
}

void FakeAppBarService::Activate(QWidget *)
{
    log << QStringLiteral("Activate");
}

void FakeAppBarService::SetZOrder(QWidget *, ZOrder order)
{
    static const char *const names[] = {"Normal", "TopMost", "Bottom"};
    log << QStringLiteral("SetZOrder %1").arg(QLatin1String(names[order]));
}

void FakeAppBarService::SetTaskbarEntryVisible(QWidget *, bool visible)
{
    log << QStringLiteral("SetTaskbarEntryVisible %1").arg(visible ? "shown" : "hidden");
}

void FakeAppBarService::SetWindowDocked(QWidget *, bool docked)
{
    log << QStringLiteral("SetWindowDocked %1").arg(docked ? "dock" : "normal");
}
