#pragma once

#include <QObject>

class QWidget;

namespace zorv {

// Keeps a top-level window centred on its screen as it first appears: once as it is shown, and once
// more when the window system has framed it (its title bar is known only then, at its first
// activation), so that the whole window, frame included, stands in the middle.
class ScreenCentring : public QObject
{
public:
    explicit ScreenCentring(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    bool m_framed = false;
};

} // namespace zorv
