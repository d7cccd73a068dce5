// "Add URL": a new Internet shortcut (.url) in the URLs folder or one of its sub folders, which
// it offers to create. Non-modal, owned by the bar, freed when closed.
#pragma once

#include "controls/tquorixdialog.h"

#include <memory>

class QLineEdit;
class QPushButton;
namespace Ui { class TAddURL; }

class TAddURL : public TQuorixDialog
{
    Q_OBJECT

public:
    explicit TAddURL(QWidget *parent = nullptr);
    ~TAddURL() override;

    QLineEdit *Edit1 = nullptr;       // "&Name:"
    QLineEdit *Edit2 = nullptr;       // "&Address:"
    QLineEdit *Edit3 = nullptr;       // "Sub &Folder:"
    QPushButton *Button1 = nullptr;   // "..." chooses the sub folder
    QPushButton *Button2 = nullptr;   // OK
    QPushButton *Button3 = nullptr;   // Cancel

    void Button1Click();
    void Button2Click();

    // The file Button2Click writes: the URLs folder, the sub folder, the name and ".url".
    QString ShortcutFile() const;

protected:
    // The folder browser restricted to the URLs folder; the chosen path, empty when cancelled.
    virtual QString BrowseUrlFolder();

private:
    void UpdateOkButton();
    QString TargetFolder() const;

    std::unique_ptr<Ui::TAddURL> ui;
};

// An address as the shortcut stores it: one without a scheme ("www.example.org") is a web
// address, "http://www.example.org".
QString WithDefaultScheme(const QString &address);
