#pragma once

#include "platform/single_instance.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace zorv {

// Asks the user to confirm leaving the program, and leaves it by itself after five seconds.
class z_quit : public QWidget
{
    Q_OBJECT

public:
    static constexpr WindowKind windowKind = WindowKind::TopLevel;

    explicit z_quit(QWidget *parent = nullptr);

    void Command1_Click();
    void Command2_Click();
    void Timer1_Timer();

    QLabel *Label2 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QTimer *Timer1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace zorv
