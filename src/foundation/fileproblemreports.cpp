#include "foundation/fileproblemreports.h"

#include "base/atomicfile.h"
#include "foundation/messages.h"
#include "foundation/tracelog.h"

#include <QDir>

namespace {

QString Shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The system's reasons come without a full stop.
QString Sentence(const QString &reason)
{
    const QString text = reason.trimmed().isEmpty() ? QStringLiteral("unknown error") : reason.trimmed();
    return text.endsWith(QLatin1Char('.')) ? text : text + QLatin1Char('.');
}

} // namespace

QSet<QString> &FileProblemReports::Reported()
{
    static QSet<QString> reported;
    return reported;
}

void FileProblemReports::WatchAtomicWrites()
{
    SetAtomicWriteObserver([](const QString &path, bool written, const QString &error) {
        if (written)
            ForgetFile(path);
        else
            ReportNotSaved(path, error);
    });
}

QString FileProblemReports::NotSavedText(const QString &path, const QString &reason)
{
    return QStringLiteral("The file \"%1\" could not be saved: %2\r\rWhat was to be written there is "
                          "lost; an earlier copy of the file is left as it was.")
        .arg(Shown(path), Sentence(reason));
}

QString FileProblemReports::NotReadText(const QString &path, const QString &reason)
{
    return QStringLiteral("The file \"%1\" could not be read: %2\r\rQuorix goes on with default values "
                          "and leaves the file as it is.")
        .arg(Shown(path), Sentence(reason));
}

void FileProblemReports::ReportNotSaved(const QString &path, const QString &reason)
{
    ReportOnce(QStringLiteral("save:") + path, NotSavedText(path, reason));
}

void FileProblemReports::ReportNotRead(const QString &path, const QString &reason)
{
    ReportOnce(QStringLiteral("read:") + path, NotReadText(path, reason));
}

void FileProblemReports::ForgetFile(const QString &path)
{
    Reported().remove(QStringLiteral("save:") + path);
    Reported().remove(QStringLiteral("read:") + path);
}

void FileProblemReports::ReportOnce(const QString &key, const QString &text)
{
    if (Reported().contains(key))
        return;
    Reported().insert(key);
    TraceLine(DisplayText(text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    ShowError(text);
}
