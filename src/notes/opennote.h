// Opening a note window from the notes menu.
#pragma once

class TShowNote;

// Opens a window for the stored note with this id, or for a new note when the id is kNewNoteId
// (notes/notestore.h). The window is shown, not modal, and frees itself when it closes. Null when
// the note is no longer in the store (the user is told).
TShowNote *OpenNote(int id);

// Closes every open note window as its close box would, each asking to save a changed note.
// False when one of them stays open (its question was not answered, or saving failed), so that
// Quorix does not end under a note the user is still writing.
bool CloseNoteWindows();
