#include "platform/single_instance.h"

#include <QMdiSubWindow>
#include <QPushButton>

namespace zorv {

void showWindow(QWidget *window, WindowKind kind)
{
    FrameHost *host = Installed<FrameHost>::get();
    if (kind == WindowKind::FrameChild && host) {
        host->showChild(window);
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

void letEnterPressFocusedButtons(QWidget *window)
{
    // An auto-default button outside a dialog answers Enter when it has the focus, and nothing
    // else changes: only a dialog turns auto-default buttons into its default.
    const QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
    for (QPushButton *button : buttons)
        button->setAutoDefault(true);
}

} // namespace zorv
