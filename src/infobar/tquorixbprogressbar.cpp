#include "infobar/tquorixbprogressbar.h"

TQuorixBProgressBar::TQuorixBProgressBar(QWidget *parent)
    : TBProgressBar(parent)
{
    setObjectName(QStringLiteral("InfoBarProgress"));
}

TQuorixBProgressBar::~TQuorixBProgressBar() = default;
