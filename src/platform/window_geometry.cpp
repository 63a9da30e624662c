#include "platform/window_geometry.h"

#include "platform/twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zorv {
namespace {

class FirstShowCentring : public QObject
{
public:
    explicit FirstShowCentring(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window)
            return false;
        if (event->type() == QEvent::Show && !m_shown) {
            m_shown = true;
            centreOnScreen(m_window);
        } else if (event->type() == QEvent::ActivationChange && m_shown && !m_framed) {
            m_framed = true;
            centreOnScreen(m_window);
        }
        return false;
    }

private:
    QWidget *m_window;
    bool m_shown = false;
    bool m_framed = false;
};

} // namespace

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
    // the client area.
    QRect frame(QPoint(), window->frameGeometry().size());
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void centreWhenShown(QWidget *window)
{
    new FirstShowCentring(window); // owned by the window
}

} // namespace zorv
