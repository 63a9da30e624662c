#include "window_geometry.h"

#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zorv {

void setClientSize(QWidget *window, int widthTwips, int heightTwips)
{
    window->setFixedSize(twipsSize(widthTwips, heightTwips));
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // move() places the frame, which is known once the window is shown; before that the frame is
    // the client area, so callers centre again after showing.
    QRect frame(QPoint(), window->frameGeometry().size());
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace zorv
