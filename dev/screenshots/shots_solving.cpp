// Pictures of the calculator working backwards (a "?" box and the wanted result) and of the range
// that toleranced parts give.

#include "functions/core/function_list.h"
#include "functions/windows/c_calculs.h"
#include "screenshots/shots.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

using namespace zorv;
using namespace Qt::StringLiterals;

c_calculs *calculatorWith(const QString &fileName, const QStringList &inputs)
{
    c_calculs *window = SingleInstance<c_calculs>::show();
    const auto file = std::find(donnees::FunctionFileNames.cbegin(),
                                donnees::FunctionFileNames.cend(),
                                fileName);
    window->cmbFonction->setCurrentIndex(int(file - donnees::FunctionFileNames.cbegin()));
    window->cmbFonction_Click();
    for (int k = 1; k <= 6; ++k)
        window->txtDonnees[k]->setText(k <= inputs.size() ? inputs[k - 1] : u"0"_s);
    return window;
}

// The capacitor that gives 1 592 Hz with 1 kOhm: the question, then the answer with its check.
void solving(shots::Shots &s)
{
    c_calculs *window = calculatorWith(u"frequence_coupure_rc.zvfc"_s, {u"1"_s, u"?"_s});
    window->txtResultat->setText(u"1592"_s);
    s.take(window, u"c_calculs-inconnue"_s);
    window->Command1_Click();
    s.take(window, u"c_calculs-solution"_s);
    SingleInstance<c_calculs>::close();
}

// A 12 V divider of 5 % resistors.
void range(shots::Shots &s)
{
    c_calculs *window = calculatorWith(u"diviseur_tension.zvfc"_s,
                                       {u"12"_s, u"10 ±5%"_s, u"4,7 ±5%"_s});
    window->Command1_Click();
    s.take(window, u"c_calculs-tolerances"_s);
    SingleInstance<c_calculs>::close();
}

void solvingAndRanges(shots::Shots &s)
{
    solving(s);
    range(s);
}

const shots::Registrar reg("3-functions-solving", &solvingAndRanges);

} // namespace
