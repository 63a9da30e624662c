#include "engine/windows/q_resolution.h"

#include "engine/core/calcule.h"
#include "engine/core/number_reading.h"
#include "engine/core/number_text.h"
#include "engine/core/text_primitives.h"
#include "journal/core/journal.h"
#include "platform/platform.h"
#include "platform/result_menu.h"
#include "platform/twips.h"
#include "platform/window_geometry.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace zorv {

q_resolution::q_resolution(QWidget *parent)
    : QWidget(parent)
    , Text1(new QLineEdit(this))
    , Command1(new QPushButton(u"->"_s, this))
{
    setWindowTitle(u"Moteur de Calcul d'équations"_s);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setClientSize(this, 4785, 660);

    Text1->setObjectName(u"Text1"_s);
    Text1->setGeometry(twips(120, 120, 3495, 375));
    Text1->setAccessibleName(u"Expression à calculer"_s);
    Text1->installEventFilter(this);
    // The menu's result is that of the expression in the box: none after a refusal, nor once the
    // expression has been edited and not computed again.
    addResultMenu(Text1, [this]() -> std::optional<ShownResult> {
        if (!m_result || m_result->expression != Text1->text())
            return std::nullopt;
        return ShownResult{m_result->value, engine::userNumberText(m_result->value)};
    });

    Command1->setObjectName(u"Command1"_s);
    Command1->setGeometry(twips(3840, 120, 855, 375));
    Command1->setAccessibleName(u"Calculer"_s);
    // Not the default button: Enter in Text1 does not compute; Enter on the focused button does.
    Command1->setDefault(false);
    connect(Command1, &QPushButton::clicked, this, &q_resolution::Command1_Click);

    setTabOrder(Text1, Command1);
    Text1->setFocus();
}

double q_resolution::Calcule(const QString &TheCalcul)
{
    return engine::Calcule(TheCalcul);
}

qsizetype q_resolution::GetSeparator(qsizetype Start, QStringView TheString, int Mode)
{
    return engine::GetSeparator(Start, TheString, Mode);
}

QString q_resolution::ValSp(QStringView Nombre)
{
    return engine::ValSp(Nombre);
}

void q_resolution::Command1_Click()
{
    m_history.reset();
    m_result.reset();
    double value = 0;
    try {
        value = Calcule(Text1->text());
    } catch (const engine::EvalError &error) {
        record(std::nullopt, error.reason());
        // The expression stays in Text1, so that the user can correct it.
        platform().messageBox(u"Impossible de calculer cette expression : "_s + error.reason()
                                  + u'.',
                              AppTitle,
                              MessageButtons::Ok,
                              MessageIcon::Warning);
        Text1->setFocus();
        return;
    }
    m_result = Computed{Text1->text(), value};
    record(value, QString());
    // The input box lets the user select and copy the value; what it returns is of no use.
    platform().inputBox(QString(), u"Résultat"_s, engine::userNumberText(value));
}

void q_resolution::record(std::optional<double> value, const QString &reason)
{
    journal::Entry entry = journal::engineEntry(Text1->text());
    if (value)
        entry.setResult(*value);
    else
        entry.setRefusal(reason);
    journal::record(entry);
}

void q_resolution::setExpression(const QString &expression)
{
    m_history.reset();
    Text1->setText(expression);
    Text1->setFocus();
}

bool q_resolution::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != Text1 || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier)
        return false;
    std::optional<QString> recalled;
    if (key->key() == Qt::Key_Up) {
        journal::Journal *journal = journal::installedJournal();
        recalled = m_history.older(Text1->text(),
                                   journal ? journal->engineExpressions() : QStringList());
    } else if (key->key() == Qt::Key_Down) {
        recalled = m_history.newer(Text1->text());
    } else {
        return false;
    }
    if (recalled)
        Text1->setText(*recalled);
    return true; // a line box has nothing else to do with these keys
}

} // namespace zorv
