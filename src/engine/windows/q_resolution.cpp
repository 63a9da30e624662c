#include "q_resolution.h"

#include "engine/core/calcule.h"
#include "engine/core/number_reading.h"
#include "engine/core/number_text.h"
#include "engine/core/text_primitives.h"
#include "platform/platform.h"
#include "platform/twips.h"
#include "platform/window_geometry.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace zorv {

q_resolution::q_resolution(QWidget *parent)
    : QWidget(parent)
    , Text1(new QLineEdit(this))
    , Command1(new QPushButton(u"->"_s, this))
{
    setWindowTitle(u"Moteur de Calcul d'équations"_s);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setClientSize(this, 4785, 660);

    Text1->setObjectName(u"Text1"_s);
    Text1->setGeometry(twips(120, 120, 3495, 375));
    Text1->setAccessibleName(u"Expression à calculer"_s);

    Command1->setObjectName(u"Command1"_s);
    Command1->setGeometry(twips(3840, 120, 855, 375));
    Command1->setAccessibleName(u"Calculer"_s);
    // Not the default button: Enter in Text1 does not compute; Enter on the focused button does.
    Command1->setDefault(false);
    connect(Command1, &QPushButton::clicked, this, &q_resolution::Command1_Click);

    setTabOrder(Text1, Command1);
    Text1->setFocus();
}

double q_resolution::Calcule(const QString &TheCalcul)
{
    return engine::Calcule(TheCalcul);
}

qsizetype q_resolution::GetSeparator(qsizetype Start, QStringView TheString, int Mode)
{
    return engine::GetSeparator(Start, TheString, Mode);
}

QString q_resolution::ValSp(QStringView Nombre)
{
    return engine::ValSp(Nombre);
}

void q_resolution::Command1_Click()
{
    double value = 0;
    try {
        value = Calcule(Text1->text());
    } catch (const engine::EvalError &error) {
        // The expression stays in Text1, so that the user can correct it.
        platform().messageBox(u"Impossible de calculer cette expression : "_s + error.reason()
                                  + u'.',
                              AppTitle,
                              MessageButtons::Ok,
                              MessageIcon::Warning);
        Text1->setFocus();
        return;
    }
    // The input box lets the user select and copy the value; what it returns is of no use.
    platform().inputBox(QString(), u"Résultat"_s, engine::userNumberText(value));
}

} // namespace zorv
