#include "values/windows/r_chargement_data.h"

#include "platform/twips.h"
#include "platform/window_building.h"
#include "platform/window_geometry.h"
#include "values/windows/c_donnees.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace zorv {

r_chargement_data::r_chargement_data(QWidget *parent)
    : QWidget(parent)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(u"Lecture des données"_s);
    setClientSize(this, 3255, 1065);

    Label1 = makeLabel(u"Label1"_s,
                       u"Veuillez patienter pendant le chargement du fichier 'Vals.fval'"_s,
                       twips(120, 120, 3015, 735),
                       this);
    Label1->setWordWrap(true);
    // The counter and the "%" boxes overlap; both are left-aligned, so the number is drawn from
    // the left edge of its box and the "%" after it reads as "80 %".
    Label2 = makeLabel(u"Label2"_s, u"0"_s, twips(120, 720, 615, 255), this);
    // A screen reader names a label by its text, so that the count is heard; the description
    // tells what the count means.
    Label2->setAccessibleDescription(u"Avancement du chargement, en pour cent"_s);
    Label3 = makeLabel(u"Label3"_s, u"%"_s, twips(360, 720, 495, 255), this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setInterval(20);
    connect(Timer1, &QTimer::timeout, this, &r_chargement_data::Timer1_Timer);
    Timer1->start();

    Timer2 = new QTimer(this);
    Timer2->setObjectName(u"Timer2"_s);
    Timer2->setInterval(30);
    connect(Timer2, &QTimer::timeout, this, &r_chargement_data::Timer2_Timer);
    Timer2->start();

    centreWhenShown(this);
}

void r_chargement_data::Timer1_Timer()
{
    const int counter = Label2->text().toInt() + 1;
    Label2->setText(QString::number(counter));
    if (counter == 80)
        SingleInstance<c_donnees>::show();
    if (counter == 100) {
        // Handing the focus on to the values window the user asked for, rather than to whichever
        // window the window system picks, lets the user go on at once.
        const bool hadFocus = isActiveWindow();
        closeWindow(this);
        if (c_donnees *values = SingleInstance<c_donnees>::find(); values && hadFocus)
            values->activateWindow();
    }
}

void r_chargement_data::Timer2_Timer()
{
    // Coming back to the front is right only while the user works in this program: when another
    // program has the focus, taking it back every 30 ms would pull the user out of that program.
    if (!QApplication::activeWindow())
        return;
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void r_chargement_data::closeEvent(QCloseEvent *event)
{
    // The timers go with the window: closed before 80, the values window is never opened.
    Timer1->stop();
    Timer2->stop();
    QWidget::closeEvent(event);
}

} // namespace zorv
