#include "single_instance.h"

#include <QMdiSubWindow>

namespace zorv {
namespace {

FrameHost *currentHost = nullptr;

} // namespace

FrameHost *frameHost()
{
    return currentHost;
}

void setFrameHost(FrameHost *host)
{
    currentHost = host;
}

void showWindow(QWidget *window, WindowKind kind)
{
    if (kind == WindowKind::FrameChild && currentHost) {
        currentHost->showChild(window);
        return;
    }
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

void closeWindow(QWidget *window)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget());
        sub && sub->widget() == window)
        sub->close();
    else
        window->close();
}

} // namespace zorv
