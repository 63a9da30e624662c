// Pictures of the function library: the calculator with a result, the information window, and the
// authoring window before and after "o&k".

#include "functions/windows/c_calculs.h"
#include "functions/windows/e_more.h"
#include "functions/windows/m_sdk.h"
#include "functions/core/function_list.h"
#include "shots.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

using namespace zorv;
using namespace Qt::StringLiterals;

void setText(QWidget *window, const QString &box, const QString &text)
{
    window->findChild<QLineEdit *>(box)->setText(text);
}

void calculator(shots::Shots &s)
{
    c_calculs *window = SingleInstance<c_calculs>::show();
    const auto file = std::find(donnees::FunctionFileNames.cbegin(),
                                donnees::FunctionFileNames.cend(),
                                u"frequence_coupure_rc.zvfc"_s);
    window->findChild<QComboBox *>(u"cmbFonction"_s)
        ->setCurrentIndex(int(file - donnees::FunctionFileNames.cbegin()));
    window->cmbFonction_Click();
    setText(window, u"txtDonnees1"_s, u"10"_s);
    setText(window, u"txtDonnees2"_s, u"22"_s);
    window->Command1_Click();
    s.take(window, u"c_calculs"_s);

    window->Command3_Click();
    s.take(SingleInstance<e_more>::find(), u"e_more"_s);
    SingleInstance<e_more>::close();
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
    s.take(window, u"m_sdk-ok"_s);
    SingleInstance<m_sdk>::close();
}

void functions(shots::Shots &s)
{
    calculator(s);
    authoring(s);
}

const shots::Registrar reg("3-functions", &functions);

} // namespace
