// "Run...": type the name of a program, folder, document or web address and Quorix opens it.
// The texts run in this session are offered again; the box remembers where it stood.
#pragma once

#include "controls/tquorixdialog.h"

class QComboBox;
class QLabel;
class QPushButton;

class TRunDialog : public TQuorixDialog
{
    Q_OBJECT

public:
    explicit TRunDialog(QWidget *parent = nullptr);

    QComboBox *ComboBox() const { return ComboBox1; }

private:
    void FormCreate();
    void Button1Click();
    void Button3Click();
    void ComboBox1EditTextChanged(const QString &text);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
};
