#pragma once

#include "platform/single_instance.h"

#include <QDialog>

namespace zorv {

// What the program is, its version and what it is for; modal, closed by "OK".
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    static constexpr WindowKind windowKind = WindowKind::TopLevel;

    explicit AboutBox(QWidget *parent = nullptr);
};

// The menu's "A &Propos": the menu creates it, calls Show and lets it go; the box it shows stays
// until the user closes it.
class AboutBoxComponent
{
public:
    void Show();
};

} // namespace zorv
