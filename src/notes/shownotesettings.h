// What every note window shares in settings.ini [shownote]: word wrap, the page set-up and the
// font of the text. The two key-value strings are updated in place, so keys another version of
// Quorix wrote into them survive.
#pragma once

#include "notes/notepagesetup.h"

#include <QFont>

struct ShowNoteSettings
{
    bool wordWrap = true;
    NotePageSetup pageSetup;
    QFont font;   // as stored; InstalledNoteFont gives the one to show

    static ShowNoteSettings Read();
    // Writes wordwrap and printer_sizes (the window's end).
    static bool WriteLayout(bool wordWrap, const NotePageSetup &pageSetup);
    // Writes font (when the user chose one).
    static bool WriteFont(const QFont &font);
};
