#include "foundation/programfolder.h"

#include "platform/xdgpaths.h"

#include <QCoreApplication>
#include <QDir>

QString ProgramFolder()
{
    // Tests run from their own folder and name the built program's folder instead.
    const QString forTests = qEnvironmentVariable("QUORIX_TEST_PROGRAM_DIR");
    const QString own = forTests.isEmpty() ? QCoreApplication::applicationDirPath() : forTests;
    if (QDir(own + QStringLiteral("/Default/Data")).exists())
        return WithTrailingSlash(QDir::cleanPath(own));
    // Installed: <prefix>/bin/quorix with its files in <prefix>/share/quorix/, whatever the prefix.
    const QString shared = QDir::cleanPath(own + QStringLiteral("/../share/quorix"));
    if (QDir(shared + QStringLiteral("/Default/Data")).exists())
        return WithTrailingSlash(shared);
#ifdef QUORIX_DATADIR
    if (QDir(QStringLiteral(QUORIX_DATADIR "/Default/Data")).exists())
        return WithTrailingSlash(QStringLiteral(QUORIX_DATADIR));
#endif
    return WithTrailingSlash(QDir::cleanPath(own));
}

QString ProgramFilePath()
{
    return QCoreApplication::applicationFilePath();
}
