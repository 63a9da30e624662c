// Pictures of the equation engine window, with an expression and with a refused one.

#include "engine/windows/q_resolution.h"
#include "platform/single_instance.h"
#include "screenshots/shots.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

void engineWindow(zorv::shots::Shots &shots)
{
    using Window = zorv::SingleInstance<zorv::q_resolution>;
    zorv::q_resolution *window = Window::show();
    window->findChild<QLineEdit *>(u"Text1"_s)->setText(u"2(3+4) * 1,5 + V9 - 2°3"_s);
    shots.take(window, u"q_resolution"_s);

    // A power of a power needs its parentheses: refused, and the expression stays.
    window->findChild<QLineEdit *>(u"Text1"_s)->setText(u"2°3°2"_s);
    {
        const zorv::shots::DialogShots dialogs(shots, window, u"q_resolution-refus"_s);
        window->Command1_Click();
    }
    Window::close();
}

const zorv::shots::Registrar reg("2-engine", &engineWindow);

} // namespace
