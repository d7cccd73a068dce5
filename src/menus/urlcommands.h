// The commands at the top of a URLs menu ($URLS$, never on the bar itself): "Add URL...", which
// opens the URL editor, "Manage URL's...", which opens the URLs folder, and a separator.
#pragma once

class QWidget;

void AddUrlCommands(QWidget *parent, bool showIcons);

// "Add URL...": the URL editor, non-modal, owned by the bar.
void TBItem1Click(QWidget *owner);
