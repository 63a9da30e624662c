#pragma once

class QWidget;

namespace zorv {

// Gives a window its designed client area (in twips) and keeps it at that size.
void setClientSize(QWidget *window, int widthTwips, int heightTwips);

// Places a top-level window so that its frame is centred on the screen it is on.
void centreOnScreen(QWidget *window);

// Centres a top-level window as it first appears, and once more when the window system has framed
// it (its title bar is known only at its first activation), so that the whole window stands in
// the middle. Later showings leave a window the user moved where it is.
void centreWhenShown(QWidget *window);

} // namespace zorv
