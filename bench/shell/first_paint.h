#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

// Runs the event loop until the widget has been painted once (or the time is out); true when it was.
inline bool waitForFirstPaint(QWidget *widget, int timeoutMs = 5000)
{
    class Watcher : public QObject
    {
    public:
        bool painted = false;

    protected:
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                painted = true;
            return false;
        }
    } watcher;

    widget->installEventFilter(&watcher);
    QElapsedTimer clock;
    clock.start();
    while (!watcher.painted && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    widget->removeEventFilter(&watcher);
    return watcher.painted;
}
