#include "settings/windows/d_options.h"

#include "engine/core/text_primitives.h"
#include "platform/platform.h"
#include "platform/twips.h"
#include "platform/window_building.h"
#include "platform/window_geometry.h"
#include "settings/core/ini.h"
#include "settings/core/options.h"

#include <QCheckBox>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

namespace zorv {
namespace {

QCheckBox *makeBox(QWidget *parent, const char *name, const QString &caption, const QRect &rect)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(rect);
    return box;
}

} // namespace

d_options::d_options(QWidget *parent)
    : QWidget(parent)
    , Co(makeBox(this, "Co", u"Confirmer l&a fermeture"_s, twips(120, 120, 3975, 255)))
    , Check1(makeBox(this,
                     "Check1",
                     u"Activer le tri des modules (en cliquant sur le logo)"_s,
                     twips(120, 480, 4095, 375)))
    , Check2(makeBox(this, "Check2", u"Afficher le bouton Internet"_s, twips(120, 960, 3975, 375)))
{
    setObjectName(u"d_options"_s);
    setWindowTitle(u"Options"_s);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setClientSize(this, 4440, 1500);
    setFocusChain({Co, Check1, Check2});
    // toggled, not clicked: a screen reader's toggle action changes the state without a click,
    // and the box must not show a state that is not stored. Form_Load shows what is stored
    // without storing it again.
    connect(Co, &QCheckBox::toggled, this, &d_options::Co_Click);
    connect(Check1, &QCheckBox::toggled, this, &d_options::Check1_Click);
    connect(Check2, &QCheckBox::toggled, this, &d_options::Check2_Click);
    Form_Load();
}

QString d_options::Loado(const QString &rubrique, const QString &variable)
{
    return ReadIniValue(rubrique, variable, settings::settingsFilePath(), u"0"_s);
}

QString d_options::Savo(const QString &rubrique, const QString &variable, const QString &donnee)
{
    return QString::number(WriteIniValue(rubrique, variable, donnee, settings::settingsFilePath()));
}

QString d_options::Loado(settings::Option option)
{
    return Loado(option.rubrique.toString(), option.variable.toString());
}

QString d_options::Savo(settings::Option option, const QString &donnee)
{
    return Savo(option.rubrique.toString(), option.variable.toString(), donnee);
}

void d_options::Form_Load()
{
    const QSignalBlocker quietCo(Co);
    const QSignalBlocker quietCheck1(Check1);
    const QSignalBlocker quietCheck2(Check2);
    Check1->setChecked(settings::optionIsOn(Loado(settings::SortModules)));
    Check2->setChecked(settings::optionIsOn(Loado(settings::InternetButton)));
    Co->setChecked(settings::optionIsOn(Loado(settings::ConfirmClosing)));
}

void d_options::Check1_Click()
{
    store(Check1, settings::SortModules);
}

void d_options::Check2_Click()
{
    store(Check2, settings::InternetButton);
}

void d_options::Co_Click()
{
    store(Co, settings::ConfirmClosing);
}

// A box must never show a state that the next start of the program will not have.
void d_options::store(QCheckBox *box, settings::Option option)
{
    const QString donnee = box->isChecked() ? u"1"_s : u"0"_s;
    if (Savo(option, donnee) != u"0")
        return;
    platform().messageBox(u"Le réglage %1 n'a pas pu être enregistré : le fichier des paramètres "
                          "ne peut pas être écrit.\n\n%2\n\nVérifiez que le dossier %3 existe et "
                          "que le fichier n'est pas protégé en écriture."_s
                              .arg(engine::quoted(box->text().remove(u'&')),
                                   settings::settingsFilePath(),
                                   engine::quoted(u"parametres")),
                          AppTitle,
                          MessageButtons::Ok,
                          MessageIcon::Warning);
    // Put back without storing: the file holds that state already.
    const QSignalBlocker quiet(box);
    box->setChecked(settings::optionIsOn(Loado(option)));
}

} // namespace zorv
