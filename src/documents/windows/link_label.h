#pragma once

#include <QLabel>

namespace zorv {

// A label that acts as a link: underlined, a pointing hand over it, clicked with the mouse or,
// once it has the keyboard focus (Tab), with Enter or Space. Screen readers see it as a link.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Lets assistive technology present every LinkLabel as a link (installed once).
    static void installAccessibility();

    bool m_pressed = false;
};

} // namespace zorv
