#include "notes/shownotesettings.h"

#include "base/inifile.h"
#include "foundation/datafiles.h"
#include "notes/notefont.h"

namespace {

const QString kSection = QStringLiteral("shownote");
const QString kWordWrap = QStringLiteral("wordwrap");
const QString kPrinterSizes = QStringLiteral("printer_sizes");
const QString kFont = QStringLiteral("font");

} // namespace

ShowNoteSettings ShowNoteSettings::Read()
{
    const IniFile settings(DataFilePath(dfSettings));
    ShowNoteSettings result;
    result.wordWrap = settings.ReadBool(kSection, kWordWrap, true);
    result.pageSetup = NotePageSetup::FromNamedValues(settings.ReadString(kSection, kPrinterSizes));
    result.font = NoteFontFromNamedValues(settings.ReadString(kSection, kFont));
    return result;
}

bool ShowNoteSettings::WriteLayout(bool wordWrap, const NotePageSetup &pageSetup)
{
    IniFile settings(DataFilePath(dfSettings));
    settings.SetAutoSave(false);
    settings.WriteBool(kSection, kWordWrap, wordWrap);
    settings.WriteString(kSection, kPrinterSizes, pageSetup.ToNamedValues(settings.ReadString(kSection, kPrinterSizes)));
    return settings.UpdateFile();
}

bool ShowNoteSettings::WriteFont(const QFont &font)
{
    IniFile settings(DataFilePath(dfSettings));
    return settings.WriteString(kSection, kFont, NoteFontToNamedValues(settings.ReadString(kSection, kFont), font));
}
