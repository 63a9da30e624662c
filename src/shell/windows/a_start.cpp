#include "shell/windows/a_start.h"

#include "platform/platform.h"
#include "platform/program_font.h"
#include "platform/twips.h"
#include "platform/window_geometry.h"
#include "shell/core/donnees.h"
#include "shell/windows/b_menu.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace zorv {

a_start::a_start(QWidget *parent)
    : QWidget(parent)
    , Label1(new QLabel(u"ZORV"_s, this))
    , Label2(new QLabel(u"Vartelune"_s, this))
    , Frame1(new QGroupBox(this))
    , Label3(new QLabel(u"Chargement..."_s, Frame1))
    , Timer1(new QTimer(this))
{
    // The splash goes by itself after a second; it has no close box, so that the program can never
    // be left running with no window at all.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(u"ZORV"_s);
    setClientSize(this, 4680, 1995);
    centreWhenShown(this);

    Label1->setObjectName(u"Label1"_s);
    Label1->setGeometry(twips(120, 120, 3975, 615));
    Label1->setFont(programFont(13.5));
    Label2->setObjectName(u"Label2"_s);
    Label2->setGeometry(twips(120, 720, 3735, 255));
    Frame1->setObjectName(u"Frame1"_s);
    Frame1->setGeometry(twips(120, 1200, 4455, 615));
    Frame1->setAccessibleName(u"Chargement en cours"_s);
    Label3->setObjectName(u"Label3"_s);
    Label3->setGeometry(twips(120, 240, 2175, 255));

    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &a_start::Timer1_Timer);

    Form_Load();
    Timer1->start();
}

void a_start::Form_Load()
{
    Loading();
}

void a_start::Loading()
{
    donnees::InitGlobals();
}

void a_start::Timer1_Timer()
{
    Timer1->stop();
    m_givingWay = true;
    close();

    try {
        SingleInstance<b_menu>::get();
    } catch (const MissingPicture &error) {
        platform().messageBox(error.message(), QString(), MessageButtons::Ok, MessageIcon::Critical);
        emit startupFailed();
        return;
    }
    SingleInstance<b_menu>::show();
}

void a_start::closeEvent(QCloseEvent *event)
{
    if (m_givingWay)
        event->accept();
    else
        event->ignore();
}

} // namespace zorv
