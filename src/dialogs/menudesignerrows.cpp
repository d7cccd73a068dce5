#include "dialogs/menudesignerrows.h"

#include "base/inifile.h"
#include "foundation/fileproblemreports.h"

#include <algorithm>

namespace {

const QString kMainMenu = QStringLiteral("menu");
const QString kHeader = QStringLiteral("header");
const QString kInvalidLetters = QStringLiteral("[],;=");
const QString kInvalidRule = QStringLiteral(" contains invalid letters.\r\rYou can not use [],; or =.");
const QString kDuplicate = QStringLiteral("A menu item with that name does already exist in this menu");

QString SectionOf(const QString &menu)
{
    return menu.isEmpty() ? kMainMenu : menu;
}

// A file that exists but cannot be read is left alone: writing it would lose what it holds.
bool CheckReadable(const IniFile &file)
{
    if (file.IsReadable())
        return true;
    FileProblemReports::ReportNotSaved(file.FileName(), file.ReadError());
    return false;
}

} // namespace

QStringList DesignerMenuList(const IniFile &file)
{
    QStringList menus;
    for (const QString &section : file.Sections()) {
        if (section.compare(kHeader, Qt::CaseInsensitive) != 0)
            menus << section;
    }
    std::sort(menus.begin(), menus.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    const auto found = std::find_if(menus.begin(), menus.end(),
                                    [](const QString &m) { return m.compare(kMainMenu, Qt::CaseInsensitive) == 0; });
    const qsizetype main = found - menus.begin();
    if (found != menus.end() && main > 0)
        menus.move(main, 0);
    return menus;
}

QList<NamedValueList> ReadMenuRows(const QString &fileName, const QString &menu)
{
    return ReadMenuRows(IniFile(fileName), menu);
}

QList<NamedValueList> ReadMenuRows(const IniFile &file, const QString &menu)
{
    QList<NamedValueList> rows;
    for (const auto &[key, value] : file.SectionValues(SectionOf(menu))) {
        Q_UNUSED(key) // the keys are positions, not names
        rows.append(ParseNamedValues(value));
    }
    return rows;
}

bool WriteMenuRows(const QString &fileName, const QString &menu, const QList<NamedValueList> &rows)
{
    IniFile file(fileName);
    if (!CheckReadable(file))
        return false;
    file.SetAutoSave(false);
    const QString section = SectionOf(menu);
    file.EraseSection(section);
    for (int i = 0; i < rows.size(); ++i)
        file.WriteString(section, QStringLiteral("item%1").arg(i, 4, 10, QLatin1Char('0')), FormatDesignerValues(rows[i]));
    if (!file.UpdateFile())
        return false;
    FileProblemReports::ForgetFile(fileName);
    return true;
}

bool EraseMenu(const QString &fileName, const QString &menu)
{
    IniFile file(fileName);
    if (!file.SectionExists(menu))
        return true;
    if (!CheckReadable(file))
        return false;
    file.SetAutoSave(false);
    file.EraseSection(menu);
    return file.UpdateFile();
}

bool MenuExists(const QString &fileName, const QString &menu)
{
    return IniFile(fileName).SectionExists(menu);
}

QString FormatDesignerValues(const NamedValueList &values)
{
    QStringList pairs;
    for (const auto &[name, value] : values.Pairs()) {
        if (!name.isEmpty() && !value.isEmpty())
            pairs << name + QStringLiteral(":\"") + value + QStringLiteral("\";");
    }
    return pairs.join(QLatin1Char(' '));
}

NamedValueList SeparatorRow()
{
    NamedValueList row;
    row.SetValue(QStringLiteral("active"), QStringLiteral("1"));
    row.SetValue(QStringLiteral("itemtype"), QStringLiteral("2"));
    return row;
}

QString RowTypeText(const NamedValueList &row)
{
    bool isNumber = false;
    const int type = row.Value(QStringLiteral("itemtype")).trimmed().toInt(&isNumber);
    if (!isNumber)
        return QStringLiteral("Separator");
    switch (type) {
    case 0: return QStringLiteral("Folder");
    case 1: return QStringLiteral("Item");
    case 2: return QStringLiteral("Separator");
    default: return QStringLiteral("Unknown");
    }
}

bool IsSeparatorRow(const NamedValueList &row)
{
    return RowTypeText(row) == QLatin1String("Separator");
}

bool HasInvalidMenuLetters(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return kInvalidLetters.contains(c); });
}

QString MenuItemFault(const QString &name, const QString &path, const QString &mask, const QString &iconFile,
                      const QStringList &otherCaptions)
{
    const std::pair<const char *, const QString *> fields[] = {
        {"Name", &name}, {"Path", &path}, {"Mask", &mask}, {"IconFile", &iconFile}};
    for (const auto &[field, text] : fields) {
        if (HasInvalidMenuLetters(*text))
            return QLatin1String(field) + kInvalidRule;
    }
    const QString lowered = name.toLower();
    for (const QString &caption : otherCaptions) {
        if (caption.toLower() == lowered)
            return kDuplicate;
    }
    return {};
}
