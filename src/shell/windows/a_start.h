#pragma once

#include "platform/single_instance.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QTimer;

namespace zorv {

// The splash: the first window of the program. It sets the global values before it is drawn, and
// gives way to the module menu one second later.
class a_start : public QWidget
{
    Q_OBJECT

public:
    static constexpr WindowKind windowKind = WindowKind::TopLevel;

    explicit a_start(QWidget *parent = nullptr);

    void Form_Load();
    void Loading();
    void Timer1_Timer();

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLabel *Label3 = nullptr;
    QTimer *Timer1 = nullptr;

signals:
    // The menu could not be loaded (the user has been told why): start-up ends, and the program.
    void startupFailed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool m_givingWay = false;
};

} // namespace zorv
