#include "functions/windows/e_more.h"

#include "functions/core/function_list.h"
#include "functions/windows/c_calculs.h"
#include "functions/windows/info_failure_component.h"
#include "platform/twips.h"
#include "platform/window_building.h"
#include "platform/window_geometry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

namespace zorv {

using namespace Qt::StringLiterals;

namespace {

QLineEdit *makeBox(const QString &name, const QString &accessibleName, int top, QWidget *parent)
{
    auto *box = new QLineEdit(u"0"_s, parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setReadOnly(true);
    box->setGeometry(twips(840, top, 3735, 285));
    return box;
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
    setClientSize(this, 5775, 1650);

    Label1 = makeLabel(u"Label1"_s, u"Nom"_s, twips(120, 240, 1575, 255), this);
    Label2 = makeLabel(u"Label2"_s, u"Auteur"_s, twips(120, 720, 1335, 255), this);
    Label3 = makeLabel(u"Label3"_s, u"Equation"_s, twips(120, 1200, 1095, 255), this);
    // Created after the labels, so that the boxes stand above the labels' wide areas.
    Text1 = makeBox(u"Text1"_s, u"Nom de la fonction"_s, 240, this);
    Text2 = makeBox(u"Text2"_s, u"Auteur de la fonction"_s, 720, this);
    Text3 = makeBox(u"Text3"_s, u"Equation de la fonction"_s, 1200, this);
    Command1 = makeButton(this,
                          u"Command1"_s,
                          u"OK"_s,
                          &e_more::Command1_Click,
                          twips(4680, 840, 855, 615));
    setFocusChain({Text1, Text2, Text3, Command1});

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
}

void e_more::Command1_Click()
{
    closeWindow(this);
}

} // namespace zorv
