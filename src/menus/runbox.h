// The Run box: an editable drop-down at the right end of the bar. What the user types and confirms
// with Enter is started (a program, document, folder or web address, or a path macro or alias
// word such as $MYDOC$) and put first in the run history, which the drop-down list offers.
#pragma once

#include <QComboBox>

class RunBox : public QComboBox
{
    Q_OBJECT

public:
    explicit RunBox(QWidget *parent = nullptr);

    // The "runcount" setting: how many entries the history keeps and the list shows.
    void SetRunCount(int runCount) { m_runCount = runCount; }
    int RunCount() const { return m_runCount; }
    // The width of the box; the drop-down list is at least as wide.
    void SetEditWidth(int width);

    // Enter was pressed: remembers text in the history, starts it (an alias or macro word alone is
    // expanded first) and empties the box. Blank texts are ignored.
    void RunAcceptText(const QString &text);
    // The drop-down list is opening: it shows the history afresh.
    void RunPopup();

    void showPopup() override;

private:
    void ReturnPressed();

    int m_runCount = 25;
};
