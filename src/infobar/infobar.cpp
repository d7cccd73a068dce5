#include "infobar/infobar.h"

#include "foundation/settingsmodel.h"
#include "base/inifile.h"
#include "base/namedvalues.h"
#include "foundation/tracelog.h"
#include "appearance/colorconversion.h"
#include "appearance/themecolors.h"
#include "infobar/cpuusagesampler.h"
#include "infobar/infobarvalue.h"
#include "infobar/marquee.h"
#include "infobar/samplererrorreport.h"
#include "infobar/tickerfont.h"
#include "infobar/tquorixbprogressbar.h"
#include "platform/drivetable.h"
#include "platform/launcher.h"
#include "platform/systemtools.h"

#include <QResizeEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int kProcessor = 0;
constexpr int kMemory = 1;
constexpr int kBattery = 2;
constexpr int kBarTop = 1;
constexpr int kBarHeight = 19;
constexpr int kTickMs = 1000;

// A disk object names a drive letter; its root must be a fixed disk.
bool IsFixedDrive(const QString &object)
{
    if (object.size() != 1 || !object.at(0).isLetter() || object.at(0).unicode() > 0x7F)
        return false;
    const DriveInfo drive = DriveForLetter(object.at(0));
    return !drive.letter.isNull() && drive.type == DriveType::Fixed;
}

} // namespace

TInfoBarController::TInfoBarController(QWidget *infoBar, QTimer *infoBarTimer, QObject *parent)
    : QObject(parent), m_infoBar(infoBar), m_timer(infoBarTimer)
{
    m_timer->setInterval(kTickMs);
    // Whole-second timers all fire at the same instant: the meters and the marquee wake the bar
    // once a second together, and their changes reach the screen in one paint.
    m_timer->setTimerType(Qt::VeryCoarseTimer);
    m_timer->stop();
    connect(m_timer, &QTimer::timeout, this, &TInfoBarController::InfoBarTimerTimer);
}

TInfoBarController::~TInfoBarController()
{
    FreeBars();
}

void TInfoBarController::SetMarquee(TMarquee *marquee)
{
    m_marquee = marquee;
}

void TInfoBarController::FreeBars()
{
    if (m_timer)
        m_timer->stop();
    const QList<TQuorixBProgressBar *> bars = std::exchange(m_bars, {});
    // Without the row its meters are gone with it.
    if (m_infoBar)
        qDeleteAll(bars);
}

void TInfoBarController::GenerateInfoBar(const ThemeColors &theme)
{
    TraceLine(QStringLiteral("GenerateInfoBar: begin"));
    GenerateInfoBar(InfoBarSettings::Read(CurrentSettings().File()), theme);
    TraceLine(QStringLiteral("GenerateInfoBar: end"));
}

void TInfoBarController::GenerateInfoBar(const InfoBarSettings &settings, const ThemeColors &theme)
{
    FreeBars();
    m_shownError.clear();
    m_settings = settings;
    m_settings.objects = ActiveInfoBarObjects(settings.objects);
    if (!settings.enabled)
        return;
    m_timer->start();
    if (m_window != m_infoBar->window()) {
        if (m_window)
            m_window->removeEventFilter(this);
        m_window = m_infoBar->window();
        m_window->installEventFilter(this);
    }

    QPalette palette = m_infoBar->palette();
    palette.setColor(QPalette::Window, ColorToQColor(theme.infobarColor, palette));
    m_infoBar->setPalette(palette);
    m_infoBar->setAutoFillBackground(true);

    const QStringList &objects = m_settings.objects;
    m_bars.reserve(objects.size());
    for (qsizetype i = 0; i < objects.size(); ++i)
        m_bars.append(CreateBar(objects[i], theme));
    ApplyLayout();
    if (!m_bars.isEmpty())
        InfoBarTimerTimer();
}

void TInfoBarController::ApplyLayout()
{
    const Layout layout = ComputeLayout(m_settings, int(m_bars.size()));
    if (layout.marqueeWidth >= 0)
        m_marquee->SetWidthOnInfoBar(layout.marqueeWidth);
    const int margin = m_settings.margin;
    for (qsizetype i = 0; i < m_bars.size(); ++i)
        m_bars[i]->setGeometry((layout.barWidth + margin) * int(i) + margin, kBarTop,
                               layout.barWidth, kBarHeight);
}

bool TInfoBarController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Resize && m_settings.enabled) {
        const auto *resize = static_cast<QResizeEvent *>(event);
        if (resize->size().width() != resize->oldSize().width())
            ApplyLayout();
    }
    return QObject::eventFilter(watched, event);
}

bool TInfoBarController::MarqueeOnInfoBar() const
{
    return m_marquee && m_marquee->IsVisible() && m_marquee->OnInfoBar();
}

TInfoBarController::Layout TInfoBarController::ComputeLayout(const InfoBarSettings &settings,
                                                             int count) const
{
    Layout layout;
    const int margin = settings.margin;
    const int windowWidth = m_infoBar->window()->width();
    if (settings.autoSize && count > 0) {
        int available = windowWidth - margin;
        if (MarqueeOnInfoBar())
            available -= m_marquee->ClaimedWidth();
        layout.barWidth = std::max(0, available / count - margin);
    } else {
        layout.barWidth = settings.width;
    }
    if (MarqueeOnInfoBar() && m_marquee->AutoSize()) {
        // The panel is as wide as the meters take, but never covers them: it sits at the row's
        // right end and keeps to the width they leave.
        const int used = count * (layout.barWidth + margin) + margin;
        layout.marqueeWidth = std::clamp(windowWidth - used, 0, std::max(0, used));
    }
    return layout;
}

int TInfoBarController::ObjectCode(const QString &object)
{
    if (object == QLatin1String("0")) {
        try {
            return ProcessorCount() >= 1 ? kProcessor : TQuorixBProgressBar::kErrorTag;
        } catch (const CpuSamplerError &error) {
            ReportError(error.Message());
            return TQuorixBProgressBar::kErrorTag;
        }
    }
    if (object == QLatin1String("1"))
        return kMemory;
    if (object == QLatin1String("2"))
        return kBattery;
    return IsFixedDrive(object) ? int(object.at(0).unicode()) : TQuorixBProgressBar::kErrorTag;
}

TQuorixBProgressBar *TInfoBarController::CreateBar(const QString &text, const ThemeColors &theme)
{
    const NamedValueList values = ParseNamedValues(text);
    auto *bar = new TQuorixBProgressBar(m_infoBar);
    bar->ObjectValue = values.Value(QStringLiteral("object"));
    bar->PrefixText = values.Value(QStringLiteral("prefix"));
    bar->Tag = ObjectCode(bar->ObjectValue);
    if (bar->IsErrorBar()) {
        bar->SetPrefix(QStringLiteral(" Error "));
        bar->IntervalTicks = 0xFFFF;
    } else {
        bar->SetPrefix(QLatin1Char(' ') + bar->PrefixText + QLatin1Char(' '));
        bar->IntervalSeconds = InfoBarIntervalSeconds(values.Value(QStringLiteral("interval")));
        bar->IntervalTicks = quint16(bar->IntervalSeconds - 1);
    }
    bar->TicksLeft = 0;
    bar->SetAlignment(Qt::AlignLeft);
    ApplyTheme(bar, theme);
    bar->setToolTip(QString());
    connect(bar, &TBProgressBar::clicked, this, [this, bar] { InfoBarProgressClick(bar); });
    connect(bar, &TBProgressBar::doubleClicked, this, [this, bar] { InfoBarProgressDblClick(bar); });
    bar->show();
    return bar;
}

void TInfoBarController::ApplyTheme(TQuorixBProgressBar *bar, const ThemeColors &theme) const
{
    QPalette palette = bar->palette();
    bar->SetColorBack(ColorToQColor(theme.infobarProgressColor, palette));
    bar->SetColorBorder(ColorToQColor(theme.infobarProgressBorderColor, palette));
    bar->SetColorStart(ColorToQColor(theme.infobarProgressColorStart, palette));
    bar->SetColorEnd(ColorToQColor(theme.infobarProgressColorEnd, palette));
    const QColor text = ColorToQColor(theme.infobarProgressFontColor, palette);
    if (text.isValid()) {
        palette.setColor(QPalette::WindowText, text);
        bar->setPalette(palette);
    }
    bar->setFont(FontWithStyles(TickerFont(), theme.infobarProgressFontStyles));
}

int TInfoBarController::ValueOrError(TQuorixBProgressBar *bar, QString *error)
{
    try {
        return GetInfoBarValue(bar->Tag);
    } catch (const CpuSamplerError &failure) {
        *error = failure.Message();
        return bar->Position();
    }
}

void TInfoBarController::InfoBarTimerTimer()
{
    if (m_inTick)
        return;
    m_inTick = true;
    QString error;
    for (TQuorixBProgressBar *bar : std::as_const(m_bars)) {
        if (bar->IsErrorBar())
            continue;
        if (bar->TicksLeft != 0) {
            --bar->TicksLeft;
            continue;
        }
        QString failure;
        const int value = ValueOrError(bar, &failure);
        if (!failure.isEmpty()) {
            // The meter stays due and tries again on the next tick; the others go on.
            error = failure;
            continue;
        }
        bar->SetPosition(value);
        bar->TicksLeft = bar->IntervalTicks;
    }
    m_inTick = false;
    // Shown after the loop: the message box runs its own event loop, in which the meters may be
    // rebuilt.
    if (error.isEmpty())
        m_shownError.clear();
    else
        ReportError(error);
}

void TInfoBarController::ReportError(const QString &message)
{
    if (message == m_shownError)
        return;
    m_shownError = message;
    ReportSamplerError(message, m_infoBar);
}

void TInfoBarController::InfoBarProgressClick(TQuorixBProgressBar *bar)
{
    if (!m_bars.contains(bar) || bar->IntervalTicks == 0)
        return;
    if (bar->IsErrorBar()) {
        bar->SetPosition(0);
        return;
    }
    QString failure;
    const int value = ValueOrError(bar, &failure);
    if (!failure.isEmpty()) {
        ReportError(failure);
        return;
    }
    bar->SetPosition(value);
}

void TInfoBarController::InfoBarProgressDblClick(TQuorixBProgressBar *bar)
{
    if (!m_bars.contains(bar))
        return;
    const int tag = bar->Tag;
    if (tag == kProcessor || tag == kMemory) {
        if (!StartSystemMonitor())
            TraceLine(QStringLiteral("InfoBar: no system monitor found"));
    } else if (tag == kBattery) {
        if (!StartPowerSettings())
            TraceLine(QStringLiteral("InfoBar: no power settings found"));
    } else if (tag > 64) {
        const QString mountPoint = DriveForLetter(QChar(char16_t(tag))).mountPoint;
        if (!mountPoint.isEmpty())
            OpenFolder(mountPoint);
    }
}
