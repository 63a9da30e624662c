#include "about_box.h"

#include "platform/program_font.h"
#include "platform/app_dir.h"
#include "shell/core/donnees.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace zorv {

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("À propos de ZORV"));
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The menu could not have opened without the logo; should it have gone since, the box
    // still says everything in words.
    QPixmap logo;
    if (logo.load(donnees::appPath(QStringLiteral("Data/logo1.gif")))) {
        auto *picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("logo"));
        picture->setPixmap(logo);
        picture->setAccessibleName(QStringLiteral("Logo de ZORV"));
        layout->addWidget(picture, 0, Qt::AlignHCenter);
    }

    auto *name = new QLabel(QStringLiteral("ZORV"), this);
    name->setObjectName(QStringLiteral("name"));
    name->setFont(programFont(13.5, true));
    layout->addWidget(name, 0, Qt::AlignHCenter);

    auto *version = new QLabel(QStringLiteral("Version %1").arg(donnees::AppVersion), this);
    version->setObjectName(QStringLiteral("version"));
    layout->addWidget(version, 0, Qt::AlignHCenter);

    auto *purpose
        = new QLabel(QStringLiteral(
                         "Calculs techniques et scientifiques, surtout les formules de "
                         "l'électronique : une bibliothèque de fonctions à compléter, un moteur "
                         "d'équations, des valeurs de référence à copier et une documentation."),
                     this);
    purpose->setObjectName(QStringLiteral("purpose"));
    purpose->setWordWrap(true);
    purpose->setFixedWidth(280);
    layout->addWidget(purpose);

    auto *maker = new QLabel(QStringLiteral("Vartelune"), this);
    maker->setObjectName(QStringLiteral("maker"));
    layout->addWidget(maker, 0, Qt::AlignHCenter);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
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
