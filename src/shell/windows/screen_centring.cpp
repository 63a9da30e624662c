#include "screen_centring.h"

#include "platform/window_geometry.h"

#include <QEvent>
#include <QWidget>

namespace zorv {

ScreenCentring::ScreenCentring(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    window->installEventFilter(this);
}

bool ScreenCentring::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::Show) {
            centreOnScreen(m_window);
        } else if (event->type() == QEvent::ActivationChange && !m_framed) {
            m_framed = true;
            centreOnScreen(m_window);
        }
    }
    return false;
}

} // namespace zorv
