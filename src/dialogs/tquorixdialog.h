// The behaviour every Quorix dialog shares: it opens where it was last closed (settings.ini,
// section "sizes") and asks for its help page when F1 is pressed.
#pragma once

#include <QDialog>
#include <QString>

class TQuorixDialog : public QDialog
{
    Q_OBJECT

public:
    // helpTopic: the help page F1 asks for, such as "settings_alias.html".
    explicit TQuorixDialog(const QString &helpTopic, QWidget *parent = nullptr);

    QString HelpTopic() const { return m_helpTopic; }

Q_SIGNALS:
    void HelpRequested(const QString &topic);

protected:
    // Stores the position, once, however the dialog closes (a button, Escape, the window frame).
    virtual void FormClose();

    void keyReleaseEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;

private:
    QString m_helpTopic;
    bool m_closed = false;
};
