#pragma once

#include "platform/single_instance.h"

#include <QWidget>

class QLabel;
class QTimer;

namespace zorv {

// Stands in front while the values window opens: a counter climbs from 0 to 100, the values
// window is shown at 80 and this window closes itself at 100.
class r_chargement_data : public QWidget
{
    Q_OBJECT

public:
    static constexpr WindowKind windowKind = WindowKind::TopLevel;

    explicit r_chargement_data(QWidget *parent = nullptr);

    void Timer1_Timer();
    void Timer2_Timer();

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
};

} // namespace zorv
