// TUpDown: the pair of small arrows beside a number field (the "Width" and "Margin" fields of the
// settings dialog). It steps the number its field holds within a range; the arrow keys and the
// mouse wheel in the field step it too. The field keeps its own text: a field that holds no number
// is stepped from the last position.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

class TUpDown : public QWidget
{
    Q_OBJECT

public:
    explicit TUpDown(QWidget *parent = nullptr);
    ~TUpDown() override;

    // The field the arrows step, which also takes the arrow keys; digits only, at most maxDigits.
    void SetAssociate(QLineEdit *field, int maxDigits);
    QLineEdit *Associate() const { return m_field; }

    void SetRange(int minimum, int maximum);
    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }

    int Position() const { return m_position; }
    // Moves to position (kept inside the range) and writes it into the field.
    void SetPosition(int position);
    // One step up (+1) or down (-1) from the number the field holds, else from the position.
    void Step(int delta);
    // Takes the field's text as the position when it is a number.
    void TakeFieldText();

Q_SIGNALS:
    // Before an arrow or an arrow key moves the position.
    void Changing();
    void PositionChanged(int position);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QToolButton *MakeArrow(Qt::ArrowType direction);

    QLineEdit *m_field = nullptr;
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_position = 0;
};
