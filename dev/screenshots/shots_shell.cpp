// Pictures of the shell: the splash, the menu with and without its Internet button, the main frame
// empty and with a child, the quit confirmation, the about box, the tools and the window manager.

#include "platform/single_instance.h"
#include "screenshots/shots.h"
#include "settings/windows/d_options.h"
#include "shell/windows/a_start.h"
#include "shell/windows/about_box.h"
#include "shell/windows/b_menu.h"
#include "shell/windows/b_window.h"
#include "shell/windows/c_outils.h"
#include "shell/windows/e_tri.h"
#include "shell/windows/picture_button.h"
#include "shell/windows/program_icon.h"
#include "shell/windows/z_quit.h"

#include <QApplication>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

using zorv::SingleInstance;

void menuWithInternetOption(zorv::shots::Shots &s, const QString &stored, const QString &name)
{
    zorv::d_options::Savo(zorv::settings::InternetButton, stored);
    s.take(SingleInstance<zorv::b_menu>::show(), name);
    SingleInstance<zorv::b_menu>::close();
}

void shell(zorv::shots::Shots &s)
{
    // As in the program: every window carries its icon, the frame's children in their title bars.
    QApplication::setWindowIcon(zorv::programIcon());
    s.take(SingleInstance<zorv::a_start>::show(), u"a_start"_s);
    SingleInstance<zorv::a_start>::close();

    // The Internet button shows only when its option was on as the menu loaded.
    const QString internet = zorv::d_options::Loado(zorv::settings::InternetButton);
    menuWithInternetOption(s, u"0"_s, u"b_menu"_s);
    menuWithInternetOption(s, u"1"_s, u"b_menu-internet"_s);
    zorv::d_options::Savo(zorv::settings::InternetButton, internet);

    s.take(SingleInstance<zorv::c_outils>::show(), u"c_outils"_s);
    SingleInstance<zorv::c_outils>::close();

    {
        zorv::MainFrameHost host;
        zorv::InstalledScope<zorv::FrameHost> hostScope(host);
        zorv::b_window *frame = SingleInstance<zorv::b_window>::show();
        s.take(frame, u"b_window"_s);
        SingleInstance<zorv::c_outils>::show();
        s.take(frame, u"b_window-outils"_s);
        SingleInstance<zorv::b_window>::close();
    }

    // The quit confirmation two seconds after it opened, as the user sees it count.
    zorv::z_quit *quit = SingleInstance<zorv::z_quit>::show();
    quit->Timer1->stop();
    for (int tick = 0; tick < 20; ++tick)
        quit->Timer1_Timer();
    s.take(quit, u"z_quit"_s);
    SingleInstance<zorv::z_quit>::close();

    s.take(SingleInstance<zorv::AboutBox>::show(), u"a_propos"_s);
    SingleInstance<zorv::AboutBox>::close();

    zorv::e_tri *manager = SingleInstance<zorv::e_tri>::show();
    // As a keyboard user sees it: the focus on "Aligner".
    QApplication::setActiveWindow(manager);
    manager->setAttribute(Qt::WA_KeyboardFocusChange);
    manager->Image1->setFocus(Qt::TabFocusReason);
    s.take(manager, u"e_tri"_s);
    SingleInstance<zorv::e_tri>::close();
}

const zorv::shots::Registrar reg("1-shell", &shell);

} // namespace
