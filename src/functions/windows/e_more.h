#pragma once

#include "platform/single_instance.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zorv {

// Name, author and formula of the function picked in the calculator when the window was opened.
class e_more : public QWidget
{
    Q_OBJECT

public:
    static constexpr WindowKind windowKind = WindowKind::TopLevel;

    explicit e_more(QWidget *parent = nullptr);

    void Form_Load();
    void Command1_Click();

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QPushButton *Command1 = nullptr;
};

} // namespace zorv
