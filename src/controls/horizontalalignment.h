// The horizontal part of an alignment, as the controls draw their single line of text.
#pragma once

#include <Qt>

inline Qt::Alignment HorizontalAlignment(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return Qt::AlignRight;
    if (alignment & Qt::AlignHCenter)
        return Qt::AlignHCenter;
    return Qt::AlignLeft;
}
