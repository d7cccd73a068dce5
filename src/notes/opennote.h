// Opening a note window from the notes menu.
#pragma once

class TShowNote;

// Opens a window for the stored note with this id, or for a new note when the id is kNewNoteId
// (notes/notestore.h). The window is shown, not modal, and frees itself when it closes. Null when
// the note is no longer in the store (the user is told).
TShowNote *OpenNote(int id);
