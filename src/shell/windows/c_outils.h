#pragma once

#include "platform/single_instance.h"

#include <QWidget>

class QPushButton;

namespace zorv {

// The tools window, in the main frame: opens the authoring window and the equation engine.
class c_outils : public QWidget
{
    Q_OBJECT

public:
    static constexpr WindowKind windowKind = WindowKind::FrameChild;

    explicit c_outils(QWidget *parent = nullptr);

    void Command1_Click();
    void Command2_Click();

    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;

private:
    void setWrappedCaption(QPushButton *button, const QString &caption);
};

} // namespace zorv
