#pragma once

#include "platform/single_instance.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zorv {

// Name, author, formula, category, units and worked example of the function picked in the
// calculator when the window was opened; the example is computed anew, so that the function is
// seen to check itself.
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
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLineEdit *Text5 = nullptr;
    QPlainTextEdit *txtExemple = nullptr;
    QPushButton *Command1 = nullptr;

private:
    void showDetails(const QString &file, const QString &name, const QString &formula);
};

} // namespace zorv
