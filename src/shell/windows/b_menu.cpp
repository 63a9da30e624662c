#include "shell/windows/b_menu.h"

#include "documents/windows/c_documents.h"
#include "functions/windows/c_calculs.h"
#include "journal/core/journal.h"
#include "platform/app_dir.h"
#include "platform/platform.h"
#include "platform/twips.h"
#include "platform/window_building.h"
#include "platform/window_geometry.h"
#include "settings/core/options.h"
#include "settings/windows/d_options.h"
#include "shell/windows/about_box.h"
#include "shell/windows/b_window.h"
#include "shell/windows/c_outils.h"
#include "shell/windows/e_tri.h"
#include "shell/windows/picture_button.h"
#include "shell/windows/result_links.h"
#include "shell/windows/z_quit.h"
#include "values/windows/r_chargement_data.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace zorv {
namespace {

QPixmap loadPicture(const QString &relativePath)
{
    const QString path = donnees::appPath(relativePath);
    QPixmap picture;
    if (!picture.load(path))
        throw MissingPicture(path);
    return picture;
}

bool optionIsOn(settings::Option option)
{
    return settings::optionIsOn(d_options::Loado(option));
}

// The place of a module button: they all have the same size.
QRect place(int left, int top)
{
    return twips(left, top, 2175, 375);
}

constexpr Qt::WindowStates UnplaceableStates = Qt::WindowMinimized | Qt::WindowMaximized
                                               | Qt::WindowFullScreen;

} // namespace

QString MissingPicture::message() const
{
    return u"Le fichier image « %1 » est absent ou illisible.\n"
           "ZORV ne peut pas démarrer sans lui."_s.arg(m_path);
}

b_menu::b_menu(QWidget *parent)
    : QWidget(parent)
    , Command1(
          makeButton(this, u"Command1"_s, u"&Calculs"_s, &b_menu::Command1_Click, place(240, 120)))
    , Command2(
          makeButton(this, u"Command2"_s, u"&Données"_s, &b_menu::Command2_Click, place(2880, 120)))
    , Command3(
          makeButton(this, u"Command3"_s, u"Documen&ts"_s, &b_menu::Command3_Click, place(5520, 120)))
    , Command4(
          makeButton(this, u"Command4"_s, u"A &Propos"_s, &b_menu::Command4_Click, place(2880, 720)))
    , Command5(
          makeButton(this, u"Command5"_s, u"&Quitter"_s, &b_menu::Command5_Click, place(2880, 1320)))
    , Command6(
          makeButton(this, u"Command6"_s, u"&Options"_s, &b_menu::Command6_Click, place(240, 720)))
    , Command7(
          makeButton(this, u"Command7"_s, u"O&utils"_s, &b_menu::Command7_Click, place(5520, 720)))
    , Image1(new PictureButton(this))
    , Image2(new PictureButton(this))
    , WindowsAlign(new QTimer(this))
{
    setWindowTitle(u"ZORV"_s);
    setClientSize(this, 7935, 1845);

    // The pictures are not in the keyboard order, which the buttons alone make.
    Image1->setObjectName(u"Image1"_s);
    Image1->setGeometry(twips(240, 1200, 2415, 495));
    Image1->setFocusPolicy(Qt::NoFocus);
    Image1->setAccessibleName(u"Logo de ZORV"_s);
    Image2->setObjectName(u"Image2"_s);
    Image2->setGeometry(twips(5520, 1320, 2175, 375));
    Image2->setFocusPolicy(Qt::NoFocus);
    Image2->setAccessibleName(u"Site Internet de ZORV"_s);

    setFocusChain({Command1, Command2, Command3, Command4, Command5, Command6, Command7});
    Command1->setFocus();

    connect(Image1, &PictureButton::clicked, this, &b_menu::Image1_Click);
    connect(Image2, &PictureButton::clicked, this, &b_menu::Image2_Click);

    connect(qApp, &QGuiApplication::commitDataRequest, this, &b_menu::sessionEnding);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &b_menu::Form_Unload);

    Form_Load();
    // The design position is the client area's: setGeometry places the client area, where move()
    // would place the frame. After Form_Load, whose window flags would reset it.
    setGeometry(QRect(twips(3990, 1215, 0, 0).topLeft(), size()));

    WindowsAlign->setObjectName(u"WindowsAlign"_s);
    WindowsAlign->setInterval(500);
    connect(WindowsAlign, &QTimer::timeout, this, &b_menu::WindowsAlign_Timer);
    WindowsAlign->start();

    addJournalShortcut(this);
    // Read as the menu opens, so that the first calculation does not wait for it, and what the
    // journal cannot do is told over the menu.
    if (journal::Journal *journal = journal::installedJournal())
        journal->load();
}

void b_menu::Command1_Click()
{
    SingleInstance<c_calculs>::show();
}

void b_menu::Command2_Click()
{
    SingleInstance<r_chargement_data>::show();
}

void b_menu::Command3_Click()
{
    SingleInstance<c_documents>::show();
}

void b_menu::Command4_Click()
{
    AboutBoxComponent().Show();
}

void b_menu::Command5_Click()
{
    // Read afresh at each click, so that a change made in the options window takes effect at once.
    if (optionIsOn(settings::ConfirmClosing))
        SingleInstance<z_quit>::show();
    else
        platform().endProgram();
}

void b_menu::Command6_Click()
{
    SingleInstance<d_options>::show();
}

void b_menu::Command7_Click()
{
    SingleInstance<c_outils>::show();
}

void b_menu::Image1_Click()
{
    if (optionIsOn(settings::SortModules))
        SingleInstance<e_tri>::show();
}

void b_menu::Image2_Click()
{
    platform().messageBox(u"Désolé!, le site web de ZORV n'est pas encore existant"_s,
                          u"ZORV"_s,
                          MessageButtons::Ok,
                          MessageIcon::None);
}

void b_menu::Form_Load()
{
    Image1->setPicture(loadPicture(u"Data/logo1.gif"_s));
    Image2->setPicture(loadPicture(u"Data/link1.gif"_s));
    // Decided once: turning the option on shows the button from the next start.
    Image2->setVisible(optionIsOn(settings::InternetButton));
    // No close button and no maximize button; closing requests are refused in closeEvent.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);
}

void b_menu::Form_Unload()
{
    platform().endProgram();
}

void b_menu::WindowsAlign_Timer()
{
    b_window *frame = SingleInstance<b_window>::get();
    // Qt accepts a move of a minimized or maximized window without placing it: that is the
    // failure the docking recovers from. The frame is docked at the next tick, once the window
    // system has given it back its normal size (a move now would keep the maximized one).
    if (frame->windowState() & UnplaceableStates) {
        errinit();
        return;
    }
    const QRect menu = frameGeometry();
    const QPoint dock(menu.left(), menu.top() + menu.height());
    if (frame->frameGeometry().topLeft() != dock)
        frame->move(dock);
}

void b_menu::errinit()
{
    // The align recovery: a maximized frame covered the menu, so the menu goes back above every
    // other window (without taking the keyboard focus), ready for the frame to hang below it.
    raise();
    b_window *frame = SingleInstance<b_window>::get();
    frame->setWindowState(frame->windowState() & ~UnplaceableStates);
}

void b_menu::sessionEnding()
{
    m_sessionEnding = true;
}

void b_menu::closeEvent(QCloseEvent *event)
{
    if (!m_sessionEnding) {
        event->ignore();
        return;
    }
    event->accept();
    Form_Unload();
}

} // namespace zorv
