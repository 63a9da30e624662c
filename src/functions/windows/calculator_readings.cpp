// What the calculator shows beside the numbers: how each input box was read, and the result with
// the unit that the picked function declares.

#include "functions/windows/calculator_readings.h"

#include "engine/core/number_text.h"
#include "functions/core/picked_function.h"
#include "functions/core/unit.h"

#include <QLabel>
#include <QLineEdit>

namespace zorv {

using namespace Qt::StringLiterals;

void showBoxReading(QLabel *label, QLineEdit *box, const functions::BoxShown &shown)
{
    const QString text = shown.refusal.isEmpty() ? shown.text : u"illisible"_s;
    // The full text for a reading the band is too narrow for, and the reason of a refusal.
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideRight, label->width()));
    label->setToolTip(shown.refusal.isEmpty() ? shown.text : shown.refusal);
    const QString heard = shown.refusal.isEmpty() ? shown.text : shown.refusal;
    box->setAccessibleDescription(heard.isEmpty() ? QString() : u"Lue : "_s + heard);
}

ShownResult shownResult(double value)
{
    const functions::Unit unit = functions::parseUnit(functions::pickedFunction().units.result);
    if (!unit.declared())
        return ShownResult{value, engine::userNumberText(value), {}, {}};
    return ShownResult{value,
                       engine::userNumberText(value),
                       functions::shownUnit(unit.written),
                       functions::userEngineeringText(value, unit)};
}

QString resultWithUnit(double value)
{
    const functions::Unit unit = functions::parseUnit(functions::pickedFunction().units.result);
    return unit.declared() ? functions::userEngineeringText(value, unit) : QString();
}

} // namespace zorv
