// Window placement memory: dialogs keep their position (and some their size) in settings.ini,
// section "sizes", under their object name plus "-X", "-Y", "-W" and "-H".
#pragma once

class QWidget;
class QRect;

void RestoreFormPosition(QWidget *form);
void SaveFormPosition(const QWidget *form);
void RestoreFormSize(QWidget *form);
void SaveFormSize(const QWidget *form);

// The pure rules behind the restore functions, for a form of the given size on a screen.
struct QPointPair { int x; int y; };
QPointPair ClampedFormPosition(int x, int y, int formWidth, int formHeight, const QRect &screen);
