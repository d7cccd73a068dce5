#include "foundation/messages.h"

#include "foundation/appinfo.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QInputDialog>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {

// A box whose close box always works: closing it without choosing a button gives -1, with or
// without an escape button (a plain message box ignores its close box when it has none).
class MessageWindow : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void closeEvent(QCloseEvent *event) override { QDialog::closeEvent(event); }
};

QList<QPointer<MessageWindow>> &OpenBoxes()
{
    static QList<QPointer<MessageWindow>> boxes;
    return boxes;
}

bool &BoxesEnded()
{
    static bool ended = false;
    return ended;
}

MessageResponder &Responder()
{
    static MessageResponder responder;
    return responder;
}

QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

int ShowInteractive(const MessageRequest &request, QWidget *parent)
{
    MessageWindow box(ToQtIcon(request.icon), request.caption, DisplayText(request.text),
                      QMessageBox::NoButton, parent);
    // A box without an owner window (start-up refusals) must not open behind other windows.
    if (!parent)
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    QList<QAbstractButton *> buttons;
    for (const QString &caption : request.buttons)
        buttons.append(box.addButton(caption, QMessageBox::ActionRole));
    if (request.defaultButton >= 0 && request.defaultButton < buttons.size())
        box.setDefaultButton(qobject_cast<QPushButton *>(buttons[request.defaultButton]));
    if (request.escapeButton >= 0 && request.escapeButton < buttons.size())
        box.setEscapeButton(buttons[request.escapeButton]);
    OpenBoxes().append(&box);
    box.exec();
    OpenBoxes().removeAll(&box);
    return int(buttons.indexOf(box.clickedButton()));
}

int Ask(const MessageRequest &request, QWidget *parent)
{
    if (BoxesEnded())
        return -1;
    if (Responder())
        return Responder()(request);
    return ShowInteractive(request, parent);
}

} // namespace

static InputResponder &TheInputResponder()
{
    static InputResponder responder;
    return responder;
}

InputResponder SetInputResponder(InputResponder responder)
{
    InputResponder old = TheInputResponder();
    TheInputResponder() = std::move(responder);
    return old;
}

bool InputQuery(const QString &caption, const QString &prompt, QString &value, QWidget *parent)
{
    std::optional<QString> answer;
    if (TheInputResponder()) {
        answer = TheInputResponder()(caption, prompt, value);
    } else {
        bool ok = false;
        const QString text = QInputDialog::getText(parent, caption, DisplayText(prompt), QLineEdit::Normal, value, &ok);
        if (ok)
            answer = text;
    }
    if (!answer)
        return false;
    value = *answer;
    return true;
}

MessageResponder SetMessageResponder(MessageResponder responder)
{
    MessageResponder old = Responder();
    Responder() = std::move(responder);
    return old;
}

void CancelOpenMessageBoxes()
{
    const QList<QPointer<MessageWindow>> boxes = OpenBoxes();
    for (const QPointer<MessageWindow> &box : boxes) {
        if (box)
            box->reject();
    }
}

void EndMessageBoxes()
{
    BoxesEnded() = true;
    CancelOpenMessageBoxes();
}

QString DisplayText(const QString &storedText)
{
    QString text = storedText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void ShowMessageBox(const QString &caption, const QString &text, MessageIcon icon, QWidget *parent)
{
    Ask({caption, text, icon, {QStringLiteral("OK")}, 0, 0}, parent);
}

void ShowMessage(const QString &text, QWidget *parent)
{
    ShowMessageBox(kAppTitle, text, MessageIcon::Information, parent);
}

void ShowError(const QString &explanation, QWidget *parent)
{
    ShowMessageBox(kAppTitle, QStringLiteral("Error\r\r") + explanation, MessageIcon::Error, parent);
}

bool AskQuestion(const QString &text, QWidget *parent)
{
    return TCustomMessageBox(text, {QStringLiteral("&Yes"), QStringLiteral("&No")}, 0, 1,
                             MessageIcon::Question, parent) == 0;
}

int ShowMessageRequest(const MessageRequest &request, QWidget *parent)
{
    return Ask(request, parent);
}

int TCustomMessageBox(const QString &text, const QStringList &buttons, int defaultButton,
                      int escapeButton, MessageIcon icon, QWidget *parent)
{
    return Ask({kAppTitle, text, icon, buttons, defaultButton, escapeButton}, parent);
}
