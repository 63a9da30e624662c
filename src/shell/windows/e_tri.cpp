#include "shell/windows/e_tri.h"

#include "platform/twips.h"
#include "platform/window_building.h"
#include "platform/window_geometry.h"
#include "shell/windows/b_window.h"
#include "shell/windows/picture_button.h"

#include <QLabel>
#include <QPixmap>

using namespace Qt::StringLiterals;

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
    setWindowTitle(u"Gestionnaire des fenêtres"_s);
    setClientSize(this, 4680, 1200);

    Image1->setObjectName(u"Image1"_s);
    Image1->setPicture(QPixmap(u":/shell/aligner.png"_s));
    Image1->setGeometry(twips(1200, 360, 810, 315));
    Image1->setAccessibleName(u"Aligner"_s);
    Image1->setToolTip(u"Aligner les fenêtres les unes sous les autres"_s);
    Image2->setObjectName(u"Image2"_s);
    Image2->setPicture(QPixmap(u":/shell/cascade.png"_s));
    Image2->setGeometry(twips(2040, 360, 1290, 315));
    Image2->setAccessibleName(u"Tri en cascade"_s);
    Image2->setToolTip(u"Disposer les fenêtres en cascade"_s);
    Image3->setObjectName(u"Image3"_s);
    Image3->setPixmap(QPixmap(u":/shell/bar.png"_s));
    Image3->setGeometry(twips(1155, 675, 2340, 225));
    Image3->setAccessibleName(u"Barre décorative"_s);
    setFocusChain({Image1, Image2});

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
