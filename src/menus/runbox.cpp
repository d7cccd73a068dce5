#include "menus/runbox.h"

#include "foundation/datafiles.h"
#include "foundation/pathmacros.h"
#include "foundation/pathtoopen.h"
#include "menus/runhistory.h"
#include "platform/launcher.h"

#include <QAbstractItemView>
#include <QLineEdit>

namespace {

constexpr int kVisibleEntries = 25;

// A text that is one word in dollar signs ($MYDOC$, $TOOLS$) stands for its folder; anything
// longer, even when it starts with such a word, is started as typed.
bool IsMacroWord(const QString &text)
{
    return text.size() >= 2 && text.startsWith(QLatin1Char('$')) && text.endsWith(QLatin1Char('$'));
}

// A pasted line break would split the entry in the history file.
QString SingleLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

RunBox::RunBox(QWidget *parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("RunBox"));
    setEditable(true);
    // The box keeps its list itself (the history), and starts exactly what was typed.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(kVisibleEntries);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(lineEdit(), &QLineEdit::returnPressed, this, &RunBox::ReturnPressed);
}

void RunBox::SetEditWidth(int width)
{
    setFixedWidth(qMax(width, 0));
    view()->setMinimumWidth(qMax(width, 0));
}

void RunBox::ReturnPressed()
{
    RunAcceptText(currentText());
}

void RunBox::RunAcceptText(const QString &typed)
{
    const QString text = SingleLine(typed);
    if (text.trimmed().isEmpty())
        return;
    const QString historyPath = DataFilePath(dfRunHistory);
    bool readable = true;
    const QStringList history = LoadRunHistory(historyPath, &readable);
    // A history that could not be read stays as it is rather than be replaced by one entry.
    if (readable)
        SaveRunHistory(historyPath, AddToRunHistory(history, text, m_runCount));
    StartFile(IsMacroWord(text) ? ExpandPathToOpen(text) : text);
    setCurrentIndex(-1);
    clearEditText();
}

void RunBox::RunPopup()
{
    const QString typed = currentText();
    clear();
    addItems(LoadRunHistory(DataFilePath(dfRunHistory)).mid(0, qMax(m_runCount, 0)));
    setCurrentIndex(-1);
    setEditText(typed);
}

void RunBox::showPopup()
{
    RunPopup();
    QComboBox::showPopup();
}
