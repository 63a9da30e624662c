#pragma once

#include <QAbstractButton>

namespace zorv {

// A label that acts as a link: underlined text, a pointing hand over it, clicked with the mouse
// or, once it has the keyboard focus (Tab), with Enter or Space. Screen readers see it as a link.
class LinkLabel : public QAbstractButton
{
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace zorv
