// Pictures of the sweep window: a capacitor's reactance over 10 Hz … 1 MHz on logarithmic axes,
// and a divider's output over the travel of a potentiometer, for three fixed resistors.

#include "functions/core/function_list.h"
#include "functions/windows/c_balayage.h"
#include "functions/windows/c_calculs.h"
#include "functions/windows/sweep_chart.h"
#include "screenshots/shots.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

using namespace zorv;
using namespace Qt::StringLiterals;

// The sweep window for a shipped function, opened from the calculator with these inputs.
c_balayage *sweepOf(const QString &fileName, const QStringList &inputs)
{
    c_calculs *calculator = SingleInstance<c_calculs>::show();
    const auto file = std::find(donnees::FunctionFileNames.cbegin(),
                                donnees::FunctionFileNames.cend(),
                                fileName);
    if (file == donnees::FunctionFileNames.cend())
        qFatal("no shipped function %s", qPrintable(fileName));
    calculator->cmbFonction->setCurrentIndex(int(file - donnees::FunctionFileNames.cbegin()));
    calculator->cmbFonction_Click();
    for (int k = 1; k <= inputs.size(); ++k)
        calculator->setDonnee(k, inputs[k - 1]);
    calculator->findChild<QPushButton *>(u"cmdTracer"_s)->click();
    return SingleInstance<c_balayage>::find();
}

void reactance(shots::Shots &s)
{
    c_balayage *window = sweepOf(u"03_reactance_capacitive.zvfc"_s, {u"1000"_s, u"100n"_s});
    window->txtDe->setText(u"10"_s);
    window->txtA->setText(u"1000000"_s);
    window->chkLogX->setChecked(true);
    window->chkLogY->setChecked(true);
    window->cmdTracer_Click();
    window->chtCourbe->setCursorIndex(100);
    s.take(window, u"c_balayage-rc"_s);
    SingleInstance<c_balayage>::close();
    SingleInstance<c_calculs>::close();
}

void divider(shots::Shots &s)
{
    c_balayage *window = sweepOf(u"02_diviseur_tension.zvfc"_s, {u"12"_s, u"4k7"_s, u"10k"_s});
    window->cmbDonnee->setCurrentIndex(2);
    window->txtDe->setText(u"0"_s);
    window->txtA->setText(u"10k"_s);
    window->spnPoints->setValue(101);
    window->chkLogX->setChecked(false);
    window->cmbSeconde->setCurrentIndex(1);
    window->cmbSeconde_Click();
    window->cmbSecondeChoix->setCurrentIndex(1); // R1, the fixed resistor
    window->txtSecondeValeurs->setText(u"1k ; 22k"_s);
    window->cmdTracer_Click();
    window->chtCourbe->setCursorIndex(50);
    s.take(window, u"c_balayage-diviseur"_s);
    SingleInstance<c_balayage>::close();
    SingleInstance<c_calculs>::close();
}

void sweep(shots::Shots &s)
{
    reactance(s);
    divider(s);
}

const shots::Registrar reg("3-sweep", &sweep);

} // namespace
