#pragma once

#include <QMargins>

class QDialog;
class QWidget;

// Keeps every dialog and window of the program on its screen, whatever the screen's size and
// scale: one too large for the screen is made smaller, and its content scrolls when it cannot
// shrink; one partly off the screen is moved onto it, title bar included. Installed once for the
// whole program.
void KeepWindowsOnScreen();

// The same for one window about to be shown.
void FitToScreen(QDialog* window);

// The frame the window manager puts around the window: the real one once the window has been
// shown, before that a title bar of the style's height and thin borders.
QMargins ExpectedFrame(const QWidget* window);
