// The About box: the program's title and icon, a word of thanks, "Help" and "Close". It remembers
// where it stood.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class TAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TAbout(QWidget *parent = nullptr);

Q_SIGNALS:
    // "Help" was pressed: the help viewer should show the About topic.
    void HelpRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;

private:
    void FormCreate();
    void FormClose();

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    bool m_closed = false;
};
