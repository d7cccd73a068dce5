// The base of every Quorix dialog. It opens where it was last closed (settings.ini, section
// "sizes", under the form's object name, such as "AddAlias-X") and stores that place again, once,
// however it closes; F1 asks the bar for the dialog's help page; and it wires the form's button
// box, so that a dialog writes only what its OK button checks.
//
// A dialog lays itself out in a form (resources/forms/<class>.ui) whose top widget carries the form
// name and whose QDialogButtonBox names its standard buttons after their components with dynamic
// properties: "OkButton" = "Button2" names the OK button Button2 ("CancelButton", "HelpButton",
// "CloseButton" likewise). The constructor runs setupUi, fills in what the form cannot say, and
// ends with FormReady.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QDialogButtonBox;

class TQuorixDialog : public QDialog
{
    Q_OBJECT

public:
    // What the dialog keeps between openings: its position ("-X", "-Y"), or also its size ("-W", "-H").
    enum class Placement { Position, PositionAndSize };

    // helpTopic: the help page F1 asks for, such as "settings_alias.html"; empty for none.
    explicit TQuorixDialog(const QString &helpTopic, QWidget *parent = nullptr,
                           Placement placement = Placement::Position);

    QString HelpTopic() const { return m_helpTopic; }
    // A dialog with pages asks for the page's topic.
    void SetHelpTopic(const QString &topic) { m_helpTopic = topic; }

    // F1 and the Help button: asks the bar to show the help topic (BarRequests) and emits
    // HelpRequested. A dialog without a topic asks nothing.
    void RequestHelp();

Q_SIGNALS:
    void HelpRequested(const QString &topic);

protected:
    // The end of the dialog's construction, once the form is set up: names the button box's
    // standard buttons, connects OK to okClick (accept() when none is given; okClick accepts
    // itself when the input is good), Cancel and Close to reject() and Help to RequestHelp; makes
    // OK, else Cancel, else Close the default button; sizes the dialog to its layout and puts it
    // where it was last closed. buttonBox may be null for a form without one.
    void FormReady(QDialogButtonBox *buttonBox, std::function<void()> okClick = {});

    // Stores the placement, once each time the dialog closes (a button, Escape, the window frame).
    virtual void FormClose();

    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    // Watches the application's key releases for F1 in the dialog's fields; a dialog that filters
    // events of its own passes on what it does not take.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;

private:
    void RestorePlacement();

    QString m_helpTopic;
    Placement m_placement;
    bool m_placed = false;
    bool m_closed = false;
    bool m_helpKeyDown = false;   // F1 was pressed and no field of the dialog took it
};
