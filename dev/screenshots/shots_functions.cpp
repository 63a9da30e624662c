// Pictures of the function library: the calculator with a result and with a refused input, the
// information window, and the authoring window before and after "o&k".

#include "functions/core/function_list.h"
#include "functions/windows/c_calculs.h"
#include "functions/windows/e_more.h"
#include "functions/windows/m_sdk.h"
#include "screenshots/shots.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

using namespace zorv;
using namespace Qt::StringLiterals;

void setText(QWidget *window, const QString &box, const QString &text)
{
    window->findChild<QLineEdit *>(box)->setText(text);
}

// The calculator with the function of a shipped file picked and its first two inputs typed.
c_calculs *calculatorWith(const QString &fileName, const QString &input1, const QString &input2)
{
    c_calculs *window = SingleInstance<c_calculs>::show();
    const auto file = std::find(donnees::FunctionFileNames.cbegin(),
                                donnees::FunctionFileNames.cend(),
                                fileName);
    window->findChild<QComboBox *>(u"cmbFonction"_s)
        ->setCurrentIndex(int(file - donnees::FunctionFileNames.cbegin()));
    window->cmbFonction_Click();
    setText(window, u"txtDonnees1"_s, input1);
    setText(window, u"txtDonnees2"_s, input2);
    return window;
}

void calculator(shots::Shots &s)
{
    // As a technician types them: a resistor code and a prefix, read in the declared units, and
    // the result in engineering form beside the exact number.
    c_calculs *window = calculatorWith(u"frequence_coupure_rc.zvfc"_s, u"4k7"_s, u"100n"_s);
    window->Command1_Click();
    s.take(window, u"c_calculs"_s);

    window->Command3_Click();
    s.take(SingleInstance<e_more>::find(), u"e_more"_s);
    SingleInstance<e_more>::close();
    SingleInstance<c_calculs>::close();
}

// A value typed in another unit than the one the function declares: refused, with the input
// named.
void refusedInput(shots::Shots &s)
{
    c_calculs *window = calculatorWith(u"frequence_coupure_rc.zvfc"_s, u"4k7"_s, u"100 mH"_s);
    {
        const shots::DialogShots dialogs(s, window, u"c_calculs-refus"_s);
        window->Command1_Click();
    }
    SingleInstance<c_calculs>::close();
}

void authoring(shots::Shots &s)
{
    m_sdk *window = SingleInstance<m_sdk>::show();
    setText(window, u"Text1"_s, u"gain_diviseur"_s);
    s.take(window, u"m_sdk"_s);

    window->Command1_Click();
    setText(window, u"Text2"_s, u"Gain d'un pont diviseur"_s);
    setText(window, u"Text8"_s, u"Équipe ZORV"_s);
    setText(window, u"Text7"_s, u"R1 (kOhm)"_s);
    setText(window, u"Text6"_s, u"R2 (kOhm)"_s);
    setText(window, u"Text4"_s, u"d2/(d1+d2)"_s);
    setText(window, u"Text3"_s, u"Us / Ue à vide"_s);
    setText(window, u"txtUnite0"_s, u"kΩ"_s);
    setText(window, u"txtUnite1"_s, u"kΩ"_s);
    s.take(window, u"m_sdk-ok"_s);
    SingleInstance<m_sdk>::close();
}

void functions(shots::Shots &s)
{
    calculator(s);
    refusedInput(s);
    authoring(s);
}

const shots::Registrar reg("3-functions", &functions);

} // namespace
