#include "dialogs/infobarobjectlist.h"

#include "base/inifile.h"
#include "dialogs/tsettingslistitem.h"
#include "infobar/infobarsettings.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace {
const QString kSection = QStringLiteral("infobar-objects");
const QString kObject = QStringLiteral("object");
const QString kPrefix = QStringLiteral("prefix");
const QString kInterval = QStringLiteral("interval");
const QString kActive = QStringLiteral("active");
} // namespace

QString InfoBarObjectCaption(const QString &object)
{
    if (object == QLatin1String("0"))
        return QStringLiteral("CPU Usage");
    if (object == QLatin1String("1"))
        return QStringLiteral("RAM Usage");
    if (object == QLatin1String("2"))
        return QStringLiteral("Power Usage");
    return QStringLiteral("Harddisc Usage (") + object + QLatin1Char(')');
}

void PrepareInfoBarObjectList(QTreeWidget *list)
{
    list->setColumnCount(3);
    list->setHeaderLabels({QStringLiteral("Object"), QStringLiteral("Prefix"),
                           QStringLiteral("Refresh Interval (sec)")});
    list->setRootIsDecorated(false);
    list->setColumnWidth(0, 140);
    list->setColumnWidth(1, 75);
    list->setColumnWidth(2, 120);
    list->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
}

TSettingsListItem *AddInfoBarObjectLine(QTreeWidget *list, const QString &text)
{
    auto *line = new TSettingsListItem(list);
    ParseNamedValues(text, line->Values);
    bool isNumber = false;
    const int interval = line->Values.Value(kInterval).trimmed().toInt(&isNumber);
    line->setText(0, InfoBarObjectCaption(line->Values.Value(kObject)));
    line->setText(1, line->Values.Value(kPrefix));
    line->setText(2, QString::number(isNumber ? interval : 15));
    line->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    line->setCheckState(0, line->Values.Value(kActive) == QLatin1String("1") ? Qt::Checked
                                                                             : Qt::Unchecked);
    return line;
}

void LoadInfoBarObjects(QTreeWidget *list, const IniFile &settings)
{
    list->clear();
    for (const QString &text : InfoBarSettings::Read(settings).objects)
        AddInfoBarObjectLine(list, text);
}

QStringList InfoBarObjectTexts(const QTreeWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = list->topLevelItem(i);
        auto *line = dynamic_cast<TSettingsListItem *>(item);
        NamedValueList values = line ? line->Values : NamedValueList();
        values.SetValue(kActive, item->checkState(0) == Qt::Checked ? QStringLiteral("1")
                                                                    : QStringLiteral("0"));
        if (line)
            line->Values = values;
        texts.append(FormatNamedValues(values));
    }
    return texts;
}

void SaveInfoBarObjects(const QTreeWidget *list, IniFile &settings)
{
    const QStringList texts = InfoBarObjectTexts(list);
    settings.EraseSection(kSection);
    for (qsizetype i = 0; i < texts.size(); ++i)
        settings.WriteString(kSection, QStringLiteral("progress%1").arg(i, 4, 10, QLatin1Char('0')),
                             texts[i]);
}
