#pragma once

#include <QObject>
#include <QPushButton>
#include <QRect>
#include <QString>

#include <initializer_list>

class QLabel;
class QWidget;

// What every window does to build its controls, written once.
namespace zorv {

// A caption at its designed place, drawn from its top left corner as the designed forms draw them.
QLabel *makeLabel(const QString &name,
                  const QString &caption,
                  const QRect &geometry,
                  QWidget *parent);

// A push button named `name`; at `geometry` when one is given, else left to a layout.
QPushButton *makeButton(const QString &name,
                        const QString &caption,
                        QWidget *parent,
                        const QRect &geometry = QRect());

// The same, calling `clicked` of the window when it is pressed.
template<class W>
QPushButton *makeButton(W *window,
                        const QString &name,
                        const QString &caption,
                        void (W::*clicked)(),
                        const QRect &geometry = QRect())
{
    QPushButton *button = makeButton(name, caption, window, geometry);
    QObject::connect(button, &QPushButton::clicked, window, clicked);
    return button;
}

// The keyboard focus goes through the controls in this order (Tab forward, Shift+Tab back).
void setFocusChain(std::initializer_list<QWidget *> controls);

} // namespace zorv
