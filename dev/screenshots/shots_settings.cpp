#include "settings/windows/d_options.h"
#include "shots.h"

namespace {

void settingsShots(zorv::shots::Shots &shots)
{
    // The program folder is a copy: storing a setting here changes nothing of the real one.
    zorv::d_options::Savo(zorv::settings::ConfirmClosing, QStringLiteral("1"));
    shots.take(zorv::SingleInstance<zorv::d_options>::show(), QStringLiteral("d_options"));
    zorv::SingleInstance<zorv::d_options>::close();
}

const zorv::shots::Registrar reg("5-settings", &settingsShots);

} // namespace
