#include "platform/single_instance.h"
#include "screenshots/shots.h"
#include "values/windows/c_donnees.h"
#include "values/windows/r_chargement_data.h"
#include "values/windows/v_normalisees.h"

#include <QComboBox>
#include <QLabel>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

void loadingWindow(zorv::shots::Shots &shots)
{
    auto *window = zorv::SingleInstance<zorv::r_chargement_data>::show();
    // Held still at a count below 80, so that the picture shows the loading window alone.
    window->Timer1->stop();
    window->Timer2->stop();
    for (int tick = 0; tick < 42; ++tick)
        window->Timer1_Timer();
    shots.take(window, u"r_chargement_data"_s);
    zorv::SingleInstance<zorv::r_chargement_data>::close();
}

void valuesWindow(zorv::shots::Shots &shots)
{
    auto *window = zorv::SingleInstance<zorv::c_donnees>::show();
    shots.take(window, u"c_donnees-ouverte"_s);
    // The thermal voltage at 25 °C, loaded: the value and the confirmation both show.
    window->liste->setCurrentIndex(window->liste->findText(u"Tension thermique kT/q à 25 °C"_s));
    window->Command1_Click();
    shots.take(window, u"c_donnees-valeur"_s);
    zorv::SingleInstance<zorv::c_donnees>::close();
}

// The cut-off frequency of an RC filter (10 kOhm, 22 nF), as the calculator gives it.
void standardValuesWindow(zorv::shots::Shots &shots)
{
    auto *window = zorv::SingleInstance<zorv::v_normalisees>::get();
    window->showFor(723.431559508615, u"Hz"_s);
    shots.take(zorv::SingleInstance<zorv::v_normalisees>::show(), u"v_normalisees"_s);
    zorv::SingleInstance<zorv::v_normalisees>::close();
}

void shootValues(zorv::shots::Shots &shots)
{
    loadingWindow(shots);
    valuesWindow(shots);
    standardValuesWindow(shots);
}

const zorv::shots::Registrar reg("4-values", &shootValues);

} // namespace
