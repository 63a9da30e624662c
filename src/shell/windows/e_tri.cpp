#include "e_tri.h"

#include "platform/twips.h"
#include "platform/window_geometry.h"
#include "shell/windows/b_window.h"
#include "shell/windows/picture_button.h"

#include <QLabel>
#include <QPixmap>

namespace zorv {

e_tri::e_tri(QWidget *parent)
    : QWidget(parent)
    , Image1(new PictureButton(this))
    , Image2(new PictureButton(this))
    , Image3(new QLabel(this))
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(QStringLiteral("Gestionnaire des fenêtres"));
    setClientSize(this, 4680, 1200);

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPicture(QPixmap(QStringLiteral(":/shell/aligner.png")));
    Image1->setGeometry(twips(1200, 360, 810, 315));
    Image1->setAccessibleName(QStringLiteral("Aligner"));
    Image1->setToolTip(QStringLiteral("Aligner les fenêtres les unes sous les autres"));
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPicture(QPixmap(QStringLiteral(":/shell/cascade.png")));
    Image2->setGeometry(twips(2040, 360, 1290, 315));
    Image2->setAccessibleName(QStringLiteral("Tri en cascade"));
    Image2->setToolTip(QStringLiteral("Disposer les fenêtres en cascade"));
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setPixmap(QPixmap(QStringLiteral(":/shell/bar.png")));
    Image3->setGeometry(twips(1155, 675, 2340, 225));
    Image3->setAccessibleName(QStringLiteral("Barre décorative"));
    setTabOrder(Image1, Image2);

    connect(Image1, &PictureButton::clicked, this, &e_tri::Image1_Click);
    connect(Image2, &PictureButton::clicked, this, &e_tri::Image2_Click);
}

void e_tri::Image1_Click()
{
    // "Aligner" lines the windows up one under the other, each across the frame.
    SingleInstance<b_window>::get()->Arrange(b_window::TileHorizontal);
}

void e_tri::Image2_Click()
{
    SingleInstance<b_window>::get()->Arrange(b_window::Cascade);
}

} // namespace zorv
