// Program entry: one bar per user and display, a data folder filled from the default copies, the
// data module, then the bar window until "Close" > "Quorix" (or the session ends).
#include "foundation/appinfo.h"
#include "foundation/builtinimages.h"
#include "foundation/datafiles.h"
#include "foundation/messages.h"
#include "app/tmainmenu.h"
#include "foundation/tracelog.h"
#include "core/td.h"
#include "platform/singleinstance.h"
#include "platform/terminationsignals.h"

#include <QApplication>
#include <memory>

namespace {
const QString kAlreadyRunning = QStringLiteral(
    "Quorix is allready running.\r\rYou cannot start more than one instance of this application.");
const QString kFilesMissing = QStringLiteral(
    "Error\r\rImportant files are missing or not the correct version. Please reinstall Quorix.");

int RunBar(QApplication &app)
{
    TD dataModule;
    auto bar = std::make_unique<TMainMenu>();
    TerminationSignals signals;
    QObject::connect(&signals, &TerminationSignals::TerminationRequested, bar.get(), &QWidget::close);
    bar->show();
    const int result = app.exec();
    bar.reset(); // the bar goes before the data module
    return result;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorix"));
    QApplication::setApplicationDisplayName(kAppTitle);
    QApplication::setOrganizationName(QStringLiteral("Brenmoor"));
    QApplication::setDesktopFileName(QStringLiteral("quorix"));
    QApplication::setWindowIcon(ImageListOrig(biQuorix));
    SetTraceFromArguments(QApplication::arguments());
    SetUpIconTheme();

    SingleInstanceLock lock(kInstanceLockName);
    if (!lock.TryAcquire()) {
        ShowMessageBox(QStringLiteral("Error"), kAlreadyRunning, MessageIcon::Error);
        return 0;
    }
    if (!CheckDataFiles()) {
        ShowMessageBox(QStringLiteral("Quorix"), kFilesMissing, MessageIcon::Error);
        return 0;
    }
    return RunBar(app);
}
