#include "platform/linux/windowmanagerreserve.h"

#include <algorithm>

namespace {

int Learn(int known, int workAreaReserve, int clientStrut)
{
    if (workAreaReserve > clientStrut)
        return workAreaReserve; // more than any client asked for: the window manager's own
    return std::min(known, workAreaReserve);
}

} // namespace

QMargins WindowManagerReserve::Update(const QRect &workArea, const QSize &root, const QMargins &clientStruts)
{
    if (workArea.isEmpty() || root.isEmpty())
        return m_known;
    const QMargins announced(std::max(workArea.left(), 0), std::max(workArea.top(), 0),
                             std::max(root.width() - (workArea.x() + workArea.width()), 0),
                             std::max(root.height() - (workArea.y() + workArea.height()), 0));
    m_known = QMargins(Learn(m_known.left(), announced.left(), clientStruts.left()),
                       Learn(m_known.top(), announced.top(), clientStruts.top()),
                       Learn(m_known.right(), announced.right(), clientStruts.right()),
                       Learn(m_known.bottom(), announced.bottom(), clientStruts.bottom()));
    return m_known;
}

QRect WindowManagerReserve::Apply(int edge, const QRect &rect, const QMargins &reserve, const QSize &root)
{
    QRect r = rect;
    switch (edge) {
    case 0: r.setLeft(std::max(r.left(), reserve.left())); break;
    case 1: r.setTop(std::max(r.top(), reserve.top())); break;
    case 2: r.setRight(std::min(r.right(), root.width() - reserve.right() - 1)); break;
    case 3: r.setBottom(std::min(r.bottom(), root.height() - reserve.bottom() - 1)); break;
    default: break;
    }
    return r;
}
