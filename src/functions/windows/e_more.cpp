#include "functions/windows/e_more.h"

#include "engine/core/number_text.h"
#include "functions/core/function_details.h"
#include "functions/core/function_list.h"
#include "functions/core/unit.h"
#include "functions/windows/c_calculs.h"
#include "functions/windows/info_failure_component.h"
#include "platform/twips.h"
#include "platform/window_building.h"
#include "platform/window_geometry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <optional>

namespace zorv {

using namespace Qt::StringLiterals;

namespace {

QLineEdit *makeBox(const QString &name, const QString &accessibleName, QRect place, QWidget *parent)
{
    auto *box = new QLineEdit(u"0"_s, parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setReadOnly(true);
    box->setGeometry(place);
    return box;
}

// The rows below the formula use the width of the window, the OK button standing above them;
// they start a little further right, where their longer captions end.
constexpr int WideLeft = 960;
constexpr int WideBox = 4695;

QString unitText(const QString &declared)
{
    if (declared.isNull())
        return u"non déclarée"_s;
    return declared.isEmpty() ? u"sans unité"_s : functions::shownUnit(declared);
}

// "1) Ω ; 2) F ; résultat : Hz" for the inputs the formula uses.
QString unitsText(const QString &formula, const functions::FunctionDetails &details)
{
    QStringList parts;
    for (int k = 1; k <= 6; ++k)
        if (formula.contains(u"d"_s + QString::number(k)))
            parts.append(u"%1) %2"_s.arg(k).arg(unitText(details.units[k - 1])));
    parts.append(u"résultat : "_s + unitText(details.resultUnit));
    return parts.join(u" ; "_s);
}

// "22n" with the unit F reads "22 nF", as one says it; "4k7" keeps its code form: "4k7 Ω"; a value
// written with its unit ("22 nF") stands as it is written.
QString withUnit(const QString &number, const QString &declared)
{
    if (declared.isEmpty()
        || (!number.isEmpty() && number.back().isLetter()
            && !(number.size() > 1 && number[number.size() - 2].isDigit())))
        return functions::shownUnit(number);
    const QString unit = functions::shownUnit(declared);
    static const QString prefixes = u"fpnuµμmkKMGT"_s;
    if (number.size() > 1 && prefixes.contains(number.back())
        && number[number.size() - 2].isDigit()) {
        const QChar prefix = number.back() == u'u' ? QChar(u'µ') : number.back();
        return number.chopped(1) + u' ' + prefix + unit;
    }
    return number + u' ' + unit;
}

QString exampleText(const functions::PickedFunction &function,
                    const functions::FunctionDetails &details)
{
    const QString &formula = function.formula;
    if (!details.hasExample())
        return u"Le fichier de cette fonction ne donne pas d'exemple."_s;
    QStringList inputs;
    for (int k = 1; k <= 6; ++k)
        if (formula.contains(u"d"_s + QString::number(k)))
            inputs.append(u"%1) %2"_s.arg(k).arg(
                withUnit(details.exampleInputs[k - 1], details.units[k - 1])));
    const functions::ExampleCheck check = functions::checkExample(function, details);
    QString computed;
    if (!check.evaluation.ok())
        computed = u"Calcul impossible : "_s + check.evaluation.reason;
    else
        computed = u"Calculé : %1 — %2"_s.arg(withUnit(engine::userNumberText(
                                                           check.evaluation.value),
                                                       details.resultUnit),
                                              check.agrees ? u"conforme"_s
                                                           : u"DIFFÉRENT du résultat attendu"_s);
    return u"Données : %1\nRésultat attendu : %2\n%3"_s.arg(inputs.join(u" ; "_s),
                                                            withUnit(details.exampleResult,
                                                                     details.resultUnit),
                                                            computed);
}

// The file of the function picked in the calculator, if one is picked.
std::optional<QString> pickedFunctionFile()
{
    const c_calculs *calculator = SingleInstance<c_calculs>::find();
    if (!calculator)
        return std::nullopt;
    const int i = calculator->selectedFunction();
    if (i < 0 || i >= donnees::FunctionSlots)
        return std::nullopt;
    return donnees::FunctionFileNames[i];
}

} // namespace

e_more::e_more(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"e_more"_s);
    setWindowTitle(u"Infos supplémentaires sur la fonction"_s);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setClientSize(this, 5775, 3735);

    Label1 = makeLabel(u"Label1"_s, u"Nom"_s, twips(120, 240, 1575, 255), this);
    Label2 = makeLabel(u"Label2"_s, u"Auteur"_s, twips(120, 720, 1335, 255), this);
    Label3 = makeLabel(u"Label3"_s, u"Equation"_s, twips(120, 1200, 1095, 255), this);
    // Created after the labels, so that the boxes stand above the labels' wide areas.
    Text1 = makeBox(u"Text1"_s, u"Nom de la fonction"_s, twips(840, 240, 3735, 285), this);
    Text2 = makeBox(u"Text2"_s, u"Auteur de la fonction"_s, twips(840, 720, 3735, 285), this);
    Text3 = makeBox(u"Text3"_s, u"Equation de la fonction"_s, twips(840, 1200, 3735, 285), this);
    Label4 = makeLabel(u"Label4"_s, u"Catégorie"_s, twips(120, 1680, 1335, 255), this);
    Label5 = makeLabel(u"Label5"_s, u"Unités"_s, twips(120, 2160, 1335, 255), this);
    Label6 = makeLabel(u"Label6"_s, u"Exemple"_s, twips(120, 2640, 1335, 255), this);
    Text4 = makeBox(u"Text4"_s,
                    u"Catégorie de la fonction"_s,
                    twips(WideLeft, 1680, WideBox, 285),
                    this);
    Text5 = makeBox(u"Text5"_s,
                    u"Unités de la fonction"_s,
                    twips(WideLeft, 2160, WideBox, 285),
                    this);
    txtExemple = new QPlainTextEdit(this);
    txtExemple->setObjectName(u"txtExemple"_s);
    txtExemple->setAccessibleName(u"Exemple calculé de la fonction"_s);
    txtExemple->setReadOnly(true);
    txtExemple->setGeometry(twips(WideLeft, 2640, WideBox, 975));
    Command1 = makeButton(this,
                          u"Command1"_s,
                          u"OK"_s,
                          &e_more::Command1_Click,
                          twips(4680, 840, 855, 615));
    setFocusChain({Text1, Text2, Text3, Text4, Text5, txtExemple, Command1});

    centreWhenShown(this);
    Form_Load();
}

void e_more::Form_Load()
{
    const std::optional<QString> file = pickedFunctionFile();
    if (!file) {
        // The boxes keep their "0".
        InfoFailureComponent().Run();
        return;
    }
    Text1->setText(c_calculs::ReadAClause(*file, u"GeneralInfo"_s, u"NomFonc"_s));
    Text2->setText(c_calculs::ReadAClause(*file, u"GeneralInfo"_s, u"NomAuteur"_s));
    Text3->setText(c_calculs::ReadAClause(*file, u"Calc"_s, u"Fnc"_s));
    showDetails(*file, Text1->text(), Text3->text());
}

void e_more::showDetails(const QString &file, const QString &name, const QString &formula)
{
    const functions::FunctionDetails details = functions::readFunctionDetails(file);
    Text4->setText(details.category.isEmpty() ? u"aucune"_s : details.category);
    Text5->setText(unitsText(formula, details));
    txtExemple->setPlainText(exampleText(functions::readPickedFunction(name, file), details));
}

void e_more::Command1_Click()
{
    closeWindow(this);
}

} // namespace zorv
