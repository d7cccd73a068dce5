#include "appearance/deferredstandardiconengine.h"

#include <QPainter>

DeferredStandardIconEngine::DeferredStandardIconEngine(QStyle *style, QStyle::StandardPixmap which)
    : m_style(style), m_which(which)
{
}

const QIcon &DeferredStandardIconEngine::Icon()
{
    if (!m_loaded) {
        m_loaded = true;
        if (m_style)
            m_icon = m_style->standardIcon(m_which);
    }
    return m_icon;
}

void DeferredStandardIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                                       QIcon::State state)
{
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap DeferredStandardIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return Icon().pixmap(size, mode, state);
}

QSize DeferredStandardIconEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return Icon().actualSize(size, mode, state);
}

QList<QSize> DeferredStandardIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return Icon().availableSizes(mode, state);
}

QString DeferredStandardIconEngine::iconName()
{
    return Icon().name();
}

// Asking whether there is an icon at all must not load it: a style always has its standard icons.
bool DeferredStandardIconEngine::isNull()
{
    return m_loaded ? m_icon.isNull() : !m_style;
}

QIconEngine *DeferredStandardIconEngine::clone() const
{
    auto *copy = new DeferredStandardIconEngine(m_style, m_which);
    copy->m_icon = m_icon;
    copy->m_loaded = m_loaded;
    return copy;
}

QString DeferredStandardIconEngine::key() const
{
    return QStringLiteral("DeferredStandardIconEngine");
}
