#include "infobar/marquee.h"

#include "foundation/appinfo.h"
#include "foundation/barsettings.h"
#include "controls/tblabel.h"
#include "infobar/cpuusagesampler.h"
#include "infobar/marqueevalues.h"
#include "infobar/samplererrorreport.h"
#include "infobar/tickerfont.h"

#include <QBoxLayout>
#include <QEvent>
#include <QLayout>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <climits>

namespace {
constexpr int kLabelMargin = 4;
constexpr int kOnMenuRow = 0;
constexpr int kOnInfoBar = 1;
} // namespace

TMarquee::TMarquee(QWidget *panel, TBLabel *label, QTimer *timer, QObject *parent)
    : QObject(parent), m_panel(panel), m_label(label), m_timer(timer)
{
    m_label->setFont(TickerFont());
    m_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_label->SetAlignVert(vaCenter);
    m_label->SetFitInRect(true);
    m_label->SetFitType(ftNormal);
    m_label->SetHover(true);
    m_label->SetHoverStyle(0); // highlighted, not underlined
    m_label->SetMargin(kLabelMargin);

    // Frames last whole seconds; a whole-second timer fires together with the info bar's.
    m_timer->setTimerType(Qt::VeryCoarseTimer);
    m_timer->stop();
    connect(m_timer, &QTimer::timeout, this, &TMarquee::Timer_DisplayerTimer);
    connect(m_label, &TBLabel::clicked, this, &TMarquee::Timer_DisplayerTimer);
    m_panel->installEventFilter(this);
}

TMarquee::~TMarquee() = default;

void TMarquee::SetRows(QBoxLayout *menuRowLayout, QWidget *menuToolbar, QWidget *infoBar)
{
    m_menuRowLayout = menuRowLayout;
    m_menuToolbar = menuToolbar;
    m_infoBar = infoBar;
    if (OnInfoBar())
        m_infoBar->installEventFilter(this);
}

void TMarquee::ReadSettings(const BarSettings &settings)
{
    m_timer->stop();
    m_lines = settings.marqueeLines;
    m_lines.append(kAppTitle);

    m_visible = settings.showMarquee && !m_lines.isEmpty();
    m_rotation = settings.marqueeTimer && !m_lines.isEmpty();
    // A frame length of 0 (or less) keeps the first frame: the marquee does not rotate.
    m_frameLength = std::min(settings.marqueeFrameLength, INT_MAX / 1000);
    m_timer->setInterval(std::max(m_frameLength, 0) * 1000);
    m_label->SetMargin(kLabelMargin);
    m_autoSize = settings.marqueeAutoSize;

    PlacePanel(settings.marqueePosition);
    ApplyWidthAndAlignment(settings.marqueeWidth);
    m_panel->setVisible(m_visible);
    if (m_visible)
        Timer_DisplayerTimer(); // shows the first frame and starts the frame timer
}

void TMarquee::Stop()
{
    m_timer->stop();
}

bool TMarquee::OnInfoBar() const
{
    return m_infoBar && m_panel->parentWidget() == m_infoBar;
}

int TMarquee::PanelWidth() const
{
    return m_panel->width();
}

int TMarquee::ClaimedWidth() const
{
    return m_autoSize ? m_label->sizeHint().width() : m_panel->width();
}

void TMarquee::PlacePanel(int position)
{
    if (position == kOnMenuRow && m_menuRowLayout) {
        if (m_menuRowLayout->indexOf(m_panel) >= 0)
            return;
        if (m_infoBar)
            m_infoBar->removeEventFilter(this);
        m_panel->setParent(m_menuRowLayout->parentWidget());
        m_menuRowLayout->addWidget(m_panel); // the row's right end
    } else if (position == kOnInfoBar && m_infoBar) {
        if (OnInfoBar())
            return;
        if (m_menuRowLayout)
            m_menuRowLayout->removeWidget(m_panel);
        m_panel->setParent(m_infoBar);
        m_infoBar->installEventFilter(this);
    }
    // Any other position leaves the panel where it is.
}

void TMarquee::ApplyWidthAndAlignment(int width)
{
    if (m_menuRowLayout && m_menuRowLayout->indexOf(m_panel) >= 0) {
        // An auto-sized marquee takes what the menus leave; otherwise the menus take what a
        // fixed-width marquee at the right end leaves.
        const bool fillsRow = m_autoSize && m_visible;
        if (m_menuToolbar)
            m_menuRowLayout->setStretchFactor(m_menuToolbar, fillsRow ? 0 : 1);
        m_menuRowLayout->setStretchFactor(m_panel, fillsRow ? 1 : 0);
        if (m_autoSize) {
            m_panel->setMinimumWidth(0);
            m_panel->setMaximumWidth(QWIDGETSIZE_MAX);
        }
    }
    PlaceLabel();
    if (!m_autoSize)
        m_panel->setFixedWidth(std::max(0, width));
    else if (OnInfoBar())
        m_panel->setFixedWidth(ClaimedWidth()); // until the info bar sizes it
    AlignOnInfoBar();
}

// A panel of fixed width leaves nothing for the label's text to decide: the label then covers the
// panel by itself, outside the panel's layout, so that a new text (every second for a clock) only
// repaints the label instead of laying out the whole row again. An auto-sized panel follows its
// text through the layout.
void TMarquee::PlaceLabel()
{
    QLayout *layout = m_panel->layout();
    if (!layout)
        return;
    const bool inLayout = layout->indexOf(m_label) >= 0;
    if (m_autoSize && !inLayout) {
        layout->setEnabled(true);
        layout->addWidget(m_label);
    } else if (!m_autoSize && inLayout) {
        layout->removeWidget(m_label);
        m_label->setGeometry(m_panel->rect());
    }
    // The emptied layout is switched off as well: otherwise every new text would still have it
    // asked to lay out nothing.
    layout->setEnabled(m_autoSize);
}

void TMarquee::SetWidthOnInfoBar(int width)
{
    if (!OnInfoBar())
        return;
    m_panel->setFixedWidth(std::max(0, width));
    AlignOnInfoBar();
}

void TMarquee::AlignOnInfoBar()
{
    if (!OnInfoBar())
        return;
    const int width = m_panel->width();
    m_panel->setGeometry(m_infoBar->width() - width, 0, width, m_infoBar->height());
}

bool TMarquee::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_infoBar && event->type() == QEvent::Resize)
        AlignOnInfoBar();
    if (watched == m_panel && event->type() == QEvent::Resize && !m_autoSize)
        m_label->setGeometry(m_panel->rect());
    return QObject::eventFilter(watched, event);
}

void TMarquee::Timer_DisplayerTimer()
{
    m_timer->stop();
    const int count = int(m_lines.size());
    if (count == 0)
        return;
    // A list that became shorter since the last frame starts again at its first line.
    if (m_index < 0 || m_index >= count)
        m_index = m_rotation ? count - 1 : 0;
    // Every line is tried at most once; the title at the end always has a text.
    for (int tried = 0; tried < count; ++tried) {
        if (m_rotation)
            m_index = m_index < count - 1 ? m_index + 1 : 0;
        QString text;
        try {
            text = ExpandMarqueeLine(m_lines[m_index]);
        } catch (const CpuSamplerError &error) {
            // The frame ends here and the timer stays off until a click or the next settings read.
            ReportSamplerError(error.Message(), m_label);
            return;
        }
        if (!text.isEmpty()) {
            ShowCaption(text);
            break;
        }
        if (!m_rotation)
            break; // the previous text stays
    }
    if (m_visible && m_frameLength > 0)
        m_timer->start();
}

void TMarquee::ShowCaption(const QString &text)
{
    // Marquee texts are shown as they are: an "&" is no accelerator.
    QString caption = text;
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));
    m_label->setText(caption);
}
