// The program's padlock on its windows' frames, the task bar and the desktop entry.
#pragma once

#include <QIcon>

// The icon that the installed theme holds under the program's name, so that the frames, the
// task bar and the desktop entry show the same picture; else the drawing built into the
// program, sharp at any size. Looking in the theme reads its index files: it is not cheap.
QIcon programIcon();

// Makes the program's icon the icon of every window without one of its own (dialogs and
// message boxes included) as soon as the first window has been painted and put on the screen.
// The window system asks for a window's icon when the window is made; the theme's lookup and
// the drawing's rendering then wait until the user already sees the window.
void showProgramIconAfterFirstPaint();
