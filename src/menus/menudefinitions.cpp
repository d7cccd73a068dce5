#include "menus/menudefinitions.h"

#include "base/inifile.h"
#include "base/namedvalues.h"

#include <QCollator>

#include <algorithm>

namespace {

const QString kMenuSection = QStringLiteral("menu");
const QString kHeaderSection = QStringLiteral("header");

int ParseItemType(const QString &text)
{
    bool ok = false;
    const int type = text.trimmed().toInt(&ok);
    return ok && type >= metFolder && type <= metSeparator ? type : metInvalid;
}

} // namespace

bool MenuDefinitionEntry::IsShown() const
{
    if (!active || itemType == metInvalid)
        return false;
    return itemType == metSeparator || !path.isEmpty();
}

int MenuDefinitionEntry::ItemLimit(int maxNumber) const
{
    return ItemLimitFromText(maxItems, maxNumber);
}

int ItemLimitFromText(const QString &text, int maxNumber)
{
    bool ok = false;
    const int limit = text.trimmed().toInt(&ok);
    if (!ok || limit == -1)
        return maxNumber;
    return limit;
}

MenuDefinitionEntry ParseMenuDefinitionEntry(const QString &key, const QString &value)
{
    const NamedValueList fields = ParseNamedValues(value);
    MenuDefinitionEntry entry;
    entry.key = key;
    entry.active = fields.Value(QStringLiteral("active")) == QLatin1String("1");
    entry.itemType = ParseItemType(fields.Value(QStringLiteral("itemtype")));
    entry.name = fields.Value(QStringLiteral("name"));
    entry.path = fields.Value(QStringLiteral("path"));
    entry.mask = fields.Value(QStringLiteral("mask"));
    entry.maxItems = fields.Value(QStringLiteral("maxitems"));
    entry.expanded = fields.Value(QStringLiteral("expanded")) == QLatin1String("1");
    entry.iconFile = fields.Value(QStringLiteral("iconfile"));
    entry.iconIndex = qMax(0, fields.Value(QStringLiteral("iconindex")).trimmed().toInt());
    return entry;
}

QList<MenuDefinitionEntry> ReadMenuDefinitions(const IniFile &file, const QString &section)
{
    const QString name = section.isEmpty() ? kMenuSection : section;
    QList<MenuDefinitionEntry> entries;
    if (!IsMenuSection(name))
        return entries;
    for (const auto &[key, value] : file.SectionValues(name))
        entries.append(ParseMenuDefinitionEntry(key, value));
    return entries;
}

bool IsMenuSection(const QString &section)
{
    return !section.isEmpty() && section.compare(kHeaderSection, Qt::CaseInsensitive) != 0;
}

QStringList MenuDefinitionSections(const IniFile &file)
{
    QStringList sections;
    bool hasMenu = false;
    for (const QString &section : file.Sections()) {
        if (section.compare(kMenuSection, Qt::CaseInsensitive) == 0)
            hasMenu = true;
        else if (IsMenuSection(section))
            sections.append(section);
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(sections.begin(), sections.end(), collator);
    if (hasMenu)
        sections.prepend(kMenuSection);
    return sections;
}
