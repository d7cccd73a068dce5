// The one way Quorix talks to the user in boxes: errors, information, Yes/No questions and boxes
// with buttons of the caller's choice. Tests install a responder and answer every box themselves.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

enum class MessageIcon { None, Information, Warning, Error, Question };

struct MessageRequest
{
    QString caption;
    QString text;          // as stored in the program, "\r" line breaks included
    MessageIcon icon = MessageIcon::None;
    QStringList buttons;   // captions, in order
    int defaultButton = 0;
    int escapeButton = -1;
};

// Returns the position of the pressed button, or -1 when the box was closed otherwise.
using MessageResponder = std::function<int(const MessageRequest &)>;

// Replaces the interactive boxes (tests); an empty responder restores them. Returns the old one.
MessageResponder SetMessageResponder(MessageResponder responder);

// Answers input boxes in place of the user (tests): given the caption, the prompt and the
// default, it returns the text typed, or nothing for Cancel.
using InputResponder =
    std::function<std::optional<QString>(const QString &caption, const QString &prompt, const QString &value)>;
InputResponder SetInputResponder(InputResponder responder);

// Closes every box that is open as if its close box had been used (each returns -1), so that the
// session ending never waits for someone to click OK.
void CancelOpenMessageBoxes();
// The session is ending: every open box is cancelled and every box asked for from now on returns
// -1 at once without being shown.
void EndMessageBoxes();
// Turns the stored "\r\n" and "\r" line breaks into "\n" for display.
QString DisplayText(const QString &storedText);

// An information box with the application's title and an OK button.
void ShowMessage(const QString &text, QWidget *parent = nullptr);
// "Error\r\r" followed by the explanation, with an error icon.
void ShowError(const QString &explanation, QWidget *parent = nullptr);
// A box with the given caption, icon and an OK button.
void ShowMessageBox(const QString &caption, const QString &text, MessageIcon icon,
                    QWidget *parent = nullptr);
// A Yes/No question with the application's title; true for Yes.
bool AskQuestion(const QString &text, QWidget *parent = nullptr);
// A modal box as the request describes it (its own caption, icon and buttons); returns the
// position of the pressed button or -1 when closed otherwise.
int ShowMessageRequest(const MessageRequest &request, QWidget *parent = nullptr);
// An input box with a caption, a prompt and a one-line field that starts with value. True for
// OK, with value set to the text typed; false for Cancel, with value as it was.
bool InputQuery(const QString &caption, const QString &prompt, QString &value, QWidget *parent = nullptr);
// A modal box with the application's title, the text and one button per caption; returns the
// position of the pressed button or -1 when closed otherwise.
int TCustomMessageBox(const QString &text, const QStringList &buttons, int defaultButton,
                      int escapeButton, MessageIcon icon = MessageIcon::None,
                      QWidget *parent = nullptr);
