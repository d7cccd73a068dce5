// The data module: Quorix's non-visual centre. It exists before the bar window and after it, holds
// the shared icon caches and carries the operations other parts of the program call on it.
#pragma once

#include <QHash>
#include <QIcon>
#include <QObject>

class TD : public QObject
{
    Q_OBJECT

public:
    explicit TD(QObject *parent = nullptr);
    ~TD() override;

    // The one data module of the running program (null before it is made and after it is gone).
    static TD *Instance();

    // Icons of generated entries below the top level, keyed by icon file and index.
    QHash<QString, QIcon> ImageList1;
    // Icons of the bar's top-level entries.
    QHash<QString, QIcon> ImageList1RootMenu;

private:
    void DataModuleCreate();
};
