#pragma once

#include "journal/core/expression_history.h"
#include "platform/single_instance.h"

#include <QString>
#include <QStringView>
#include <QWidget>

#include <optional>

class QLineEdit;
class QPushButton;

namespace zorv {

// The equation engine window: the user types an expression in Text1 and "->" shows its value in
// an input box, from which it can be copied. Up and Down in Text1 go through the expressions
// computed before, newest first. The engine operations are public operations of the class; they
// use nothing of the window, so calling them neither creates nor shows it.
class q_resolution : public QWidget
{
    Q_OBJECT

public:
    static constexpr WindowKind windowKind = WindowKind::TopLevel;

    explicit q_resolution(QWidget *parent = nullptr);

    // Throws engine::EvalError when the expression cannot be evaluated.
    static double Calcule(const QString &TheCalcul);
    static qsizetype GetSeparator(qsizetype Start, QStringView TheString, int Mode);
    static QString ValSp(QStringView Nombre);

    void Command1_Click();

    // Puts an expression into Text1, as if typed, to be computed with "->".
    void setExpression(const QString &expression);

    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void record(std::optional<double> value, const QString &reason);

    journal::ExpressionHistory m_history;

    struct Computed
    {
        QString expression;
        double value = 0;
    };

    std::optional<Computed> m_result; // of the last computation, none after a refusal
};

} // namespace zorv
