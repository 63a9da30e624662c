#pragma once

#include "platform/single_instance.h"

#include <QWidget>

class QLabel;

namespace zorv {

class PictureButton;

// The window manager: two picture buttons that arrange the main frame's children.
class e_tri : public QWidget
{
    Q_OBJECT

public:
    static constexpr WindowKind windowKind = WindowKind::TopLevel;

    explicit e_tri(QWidget *parent = nullptr);

    void Image1_Click();
    void Image2_Click();

    PictureButton *Image1 = nullptr;
    PictureButton *Image2 = nullptr;
    QLabel *Image3 = nullptr;
};

} // namespace zorv
