#pragma once

class QWidget;

namespace zorv {

// Gives a window its designed client area (in twips) and keeps it at that size.
void setClientSize(QWidget *window, int widthTwips, int heightTwips);

// Places a top-level window so that its frame is centred on the screen it is on. Call it again
// after the window is shown, when the window system has given it its frame.
void centreOnScreen(QWidget *window);

} // namespace zorv
