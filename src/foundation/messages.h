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

// An input box: its caption, its prompt and the text it opens with.
struct InputRequest
{
    QString caption;
    QString prompt;
    QString value;
};

// Returns the confirmed text, or nothing when the box was cancelled.
using InputResponder = std::function<std::optional<QString>(const InputRequest &)>;

// Replaces the interactive input boxes (tests); an empty responder restores them. Returns the old one.
InputResponder SetInputResponder(InputResponder responder);

// Closes every box that is open as if its close box had been used (each returns -1), so that the
// session ending never waits for someone to click OK.
void CancelOpenMessageBoxes();
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
// A modal box with the application's title, the text and one button per caption; returns the
// position of the pressed button or -1 when closed otherwise.
int TCustomMessageBox(const QString &text, const QStringList &buttons, int defaultButton,
                      int escapeButton, MessageIcon icon = MessageIcon::None,
                      QWidget *parent = nullptr);

// An input box with the caption, the prompt, a field preset with value, OK and Cancel. True, with
// value set to the text, when confirmed; false, with value unchanged, otherwise.
bool InputQuery(const QString &caption, const QString &prompt, QString &value, QWidget *parent = nullptr);
