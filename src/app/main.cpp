// Program entry: one bar per user and display, a data folder filled from the default copies, the
// data module, then the bar window until "Close" > "Quorix" (or the session ends).
#include "appearance/deferrediconstyle.h"
#include "foundation/appinfo.h"
#include "foundation/builtinimages.h"
#include "foundation/datafiles.h"
#include "foundation/fileproblemreports.h"
#include "foundation/messages.h"
#include "app/tmainmenu.h"
#include "foundation/tracelog.h"
#include "core/td.h"
#include "platform/imagetransfer.h"
#include "platform/sessionbusguard.h"
#include "platform/singleinstance.h"
#include "platform/startupmemory.h"
#include "platform/terminationsignals.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <memory>

namespace {
// Long enough for the bar to be docked, painted and its first meters read.
constexpr int kStartupSettledMs = 2000;

const QString kAlreadyRunning = QStringLiteral(
    "Quorix is allready running.\r\rYou cannot start more than one instance of this application.");
const QString kFilesMissing = QStringLiteral(
    "Error\r\rImportant files are missing or not the correct version. Please reinstall Quorix.");

// The session ending closes every box as cancelled, then the bar the clean way, once the box's own
// event loop has returned.
void EndSession(QPointer<QWidget> bar)
{
    EndMessageBoxes();
    QMetaObject::invokeMethod(
        qApp,
        [bar] {
            if (bar)
                bar->close();
            else
                QCoreApplication::quit();
        },
        Qt::QueuedConnection);
}

int RunBar(QApplication &app, TerminationSignals &signals)
{
    TD dataModule;
    auto bar = std::make_unique<TMainMenu>();
    const QPointer<QWidget> barWindow(bar.get());
    QObject::connect(&signals, &TerminationSignals::TerminationRequested, bar.get(),
                     [barWindow] { EndSession(barWindow); });
    // A signal caught while the bar was being made (during a first-use question) ends it now.
    if (TerminationSignals::Requested())
        EndSession(barWindow);
    bar->show();
    // The bar runs for hours: what only its start needed is given back once it is up.
    QTimer::singleShot(kStartupSettledMs, &app, [] { ReleaseStartupMemory(); });
    const int result = app.exec();
    bar.reset(); // the bar goes before the data module
    return result;
}
} // namespace

int main(int argc, char *argv[])
{
    TerminationSignals::InstallHandlers();
    KeepBusDaemonsFromStarting(); // before Qt looks for a session bus
    ConnectionImageTransfer imageTransfer;
    QApplication app(argc, argv);
    imageTransfer.Withdraw();
    DeferredIconStyle::InstallOnApplication(); // before the first widget
    QApplication::setApplicationName(QStringLiteral("quorix"));
    QApplication::setApplicationDisplayName(kAppTitle);
    QApplication::setOrganizationName(QStringLiteral("Brenmoor"));
    QApplication::setDesktopFileName(QStringLiteral("quorix"));
    QApplication::setWindowIcon(ImageListOrig(biQuorix));
    SetTraceFromArguments(QApplication::arguments());
    SetUpIconTheme();
    FileProblemReports::WatchAtomicWrites();

    // Until the bar exists, a termination signal only cancels the start-up boxes.
    TerminationSignals signals;
    QObject::connect(&signals, &TerminationSignals::TerminationRequested, &app, [] { EndMessageBoxes(); });

    SingleInstanceLock lock(kInstanceLockName);
    if (!lock.TryAcquire()) {
        ShowMessageBox(QStringLiteral("Error"), kAlreadyRunning, MessageIcon::Error);
        return 0;
    }
    if (!CheckDataFiles()) {
        ShowMessageBox(QStringLiteral("Quorix"), kFilesMissing, MessageIcon::Error);
        return 0;
    }
    if (TerminationSignals::Requested())
        return 0;
    return RunBar(app, signals);
}
