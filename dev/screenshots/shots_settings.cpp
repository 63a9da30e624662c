#include "screenshots/shots.h"
#include "settings/windows/d_options.h"

using namespace Qt::StringLiterals;

namespace {

void settingsShots(zorv::shots::Shots &shots)
{
    // The program folder is a copy: storing a setting here changes nothing of the real one.
    zorv::d_options::Savo(zorv::settings::ConfirmClosing, u"1"_s);
    shots.take(zorv::SingleInstance<zorv::d_options>::show(), u"d_options"_s);
    zorv::SingleInstance<zorv::d_options>::close();
}

const zorv::shots::Registrar reg("5-settings", &settingsShots);

} // namespace
