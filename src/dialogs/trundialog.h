// "Run...": type the name of a program, folder, document or web address and Quorix opens it.
// The texts run in this session are offered again; the box remembers where it stood.
#pragma once

#include "controls/tquorixdialog.h"

#include <memory>

class QComboBox;
class QPushButton;
namespace Ui { class TRunDialog; }

class TRunDialog : public TQuorixDialog
{
    Q_OBJECT

public:
    explicit TRunDialog(QWidget *parent = nullptr);
    ~TRunDialog() override;

    QComboBox *ComboBox() const;

private:
    void Button1Click();
    void Button3Click();
    void ComboBox1EditTextChanged(const QString &text);

    std::unique_ptr<Ui::TRunDialog> ui;
    QPushButton *Button1 = nullptr;   // OK
};
