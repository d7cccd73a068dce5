#include "notes/opennote.h"

#include "foundation/messages.h"
#include "notes/notestore.h"
#include "notes/tshownote.h"

#include <QApplication>
#include <QPointer>

namespace {
const QString kNoteGone = QStringLiteral("This note is no longer in the note store. It may have been deleted "
                                         "or saved under another name in another note window.");
}

TShowNote *OpenNote(int id)
{
    StoredNote note;
    if (id != kNewNoteId) {
        note = ReadNote(id);
        // Never a window that shows one note under another's id: saving it would remove the wrong one.
        if (!note.found) {
            ShowError(kNoteGone);
            return nullptr;
        }
    }
    auto *window = new TShowNote;
    window->LoadNote(note);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

bool CloseNoteWindows()
{
    QList<QPointer<TShowNote>> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<TShowNote *>(widget); window && window->isVisible())
            windows.append(window);
    }
    bool allClosed = true;
    for (const QPointer<TShowNote> &window : windows) {
        if (window && !window->close())
            allClosed = false;
    }
    return allClosed;
}
