#include "foundation/pathtoopen.h"

#include "foundation/pathmacros.h"
#include "platform/shellitem.h"

namespace {

bool IsRecentFilesFolder(const QString &path)
{
    const QString text = WithMacroSeparators(path.trimmed());
    const QString word = LeadingMacroWord(text);
    if (word.compare(QLatin1String("$RECENTFILES$"), Qt::CaseInsensitive) != 0)
        return false;
    const QString rest = text.mid(word.size());
    return rest.isEmpty() || rest == QLatin1String("/");
}

} // namespace

QString ExpandPathToOpen(const QString &path)
{
    if (IsRecentFilesFolder(path))
        return QString::fromLatin1(kShellRecent);
    return ExpandPathMacro(path);
}

bool IsVirtualFolderLocation(const QString &path)
{
    return path.startsWith(QLatin1String("shell:"));
}
