#include "shell/windows/z_quit.h"

#include "platform/platform.h"
#include "platform/twips.h"
#include "platform/window_building.h"
#include "platform/window_geometry.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace zorv {

z_quit::z_quit(QWidget *parent)
    : QWidget(parent)
    , Label2(new QLabel(u"Temps avant fermeture :"_s, this))
    , Label1(new QLabel(u"50"_s, this))
    , Command1(new QPushButton(u"&Quitter"_s, this))
    , Command2(new QPushButton(u"&ZORV"_s, this))
    , Timer1(new QTimer(this))
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(u"Voulez-vous quitter ZORV ?"_s);
    setClientSize(this, 3615, 1305);
    centreWhenShown(this);

    Label2->setObjectName(u"Label2"_s);
    Label2->setGeometry(twips(120, 120, 1815, 255));
    Label1->setObjectName(u"Label1"_s);
    Label1->setGeometry(twips(2040, 120, 375, 255));
    Label1->setAccessibleDescription(u"Dixièmes de seconde avant la fermeture"_s);
    Command1->setObjectName(u"Command1"_s);
    Command1->setGeometry(twips(240, 720, 1695, 495));
    Command2->setObjectName(u"Command2"_s);
    Command2->setGeometry(twips(2040, 720, 1455, 495));

    // Outside a dialog a button answers Enter only when told to: the focused button answers it, and
    // "&Quitter" is the default that keyPressEvent presses for the rest of the window.
    Command1->setDefault(true);
    Command1->setAutoDefault(true);
    Command2->setAutoDefault(true);
    setFocusChain({Command1, Command2});
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &z_quit::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &z_quit::Command2_Click);

    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &z_quit::Timer1_Timer);
    Timer1->start();
}

void z_quit::Command1_Click()
{
    platform().endProgram();
}

void z_quit::Command2_Click()
{
    close();
}

void z_quit::Timer1_Timer()
{
    const int remaining = Label1->text().toInt();
    // The count stops at 0: the program has ended by then, and the label never shows less.
    if (remaining <= 0)
        return;
    Label1->setText(QString::number(remaining - 1));
    if (Label1->text().toInt() == 0) {
        Timer1->stop();
        platform().endProgram();
    }
}

void z_quit::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Command1->click();
        break;
    default:
        // Escape included: no button of this window answers it.
        QWidget::keyPressEvent(event);
    }
}

} // namespace zorv
