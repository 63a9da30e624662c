#include "platform/window_building.h"

#include <QLabel>
#include <QWidget>

namespace zorv {

QLabel *makeLabel(const QString &name,
                  const QString &caption,
                  const QRect &geometry,
                  QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}

QPushButton *makeButton(const QString &name,
                        const QString &caption,
                        QWidget *parent,
                        const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    if (geometry.isValid())
        button->setGeometry(geometry);
    return button;
}

void setFocusChain(std::initializer_list<QWidget *> controls)
{
    QWidget *previous = nullptr;
    for (QWidget *control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace zorv
