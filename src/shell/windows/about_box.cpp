#include "shell/windows/about_box.h"

#include "platform/app_dir.h"
#include "platform/program_font.h"
#include "shell/core/donnees.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zorv {

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(u"À propos de ZORV"_s);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The menu could not have opened without the logo; should it have gone since, the box
    // still says everything in words.
    QPixmap logo;
    if (logo.load(donnees::appPath(u"Data/logo1.gif"_s))) {
        auto *picture = new QLabel(this);
        picture->setObjectName(u"logo"_s);
        picture->setPixmap(logo);
        picture->setAccessibleName(u"Logo de ZORV"_s);
        layout->addWidget(picture, 0, Qt::AlignHCenter);
    }

    auto *name = new QLabel(u"ZORV"_s, this);
    name->setObjectName(u"name"_s);
    name->setFont(programFont(13.5, true));
    layout->addWidget(name, 0, Qt::AlignHCenter);

    auto *version = new QLabel(u"Version %1"_s.arg(donnees::AppVersion), this);
    version->setObjectName(u"version"_s);
    layout->addWidget(version, 0, Qt::AlignHCenter);

    auto *purpose
        = new QLabel(u"Calculs techniques et scientifiques, surtout les formules de "
                     "l'électronique : une bibliothèque de fonctions à compléter, un moteur "
                     "d'équations, des valeurs de référence à copier et une documentation."_s,
                     this);
    purpose->setObjectName(u"purpose"_s);
    purpose->setWordWrap(true);
    purpose->setFixedWidth(280);
    layout->addWidget(purpose);

    auto *maker = new QLabel(u"Vartelune"_s, this);
    maker->setObjectName(u"maker"_s);
    layout->addWidget(maker, 0, Qt::AlignHCenter);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(u"OK"_s, QDialogButtonBox::AcceptRole);
    ok->setObjectName(u"ok"_s);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    buttons->setCenterButtons(true);
    layout->addWidget(buttons);
}

void AboutBoxComponent::Show()
{
    SingleInstance<AboutBox>::show();
}

} // namespace zorv
