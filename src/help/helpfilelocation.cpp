#include "help/helpfilelocation.h"

#include "foundation/programfolder.h"

#include <QFileInfo>

QString HelpFilePath()
{
    const QString folder = ProgramFolder();
    for (const QString &candidate : {folder + QStringLiteral("quorix.qds"), folder + QStringLiteral("Help/quorix.qds")}) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}
