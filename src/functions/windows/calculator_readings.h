// What the calculator shows beside the numbers: how each input box was read, and the result with
// the unit that the picked function declares.

#pragma once

#include "functions/core/function_evaluation.h"
#include "platform/result_menu.h"

#include <QString>

class QLabel;
class QLineEdit;

namespace zorv {

// Shows under an input box how it was read: the reading, cut to the label's width and whole in
// its tool tip, or "illisible" with the reason of the refusal in the tool tip. The box tells the
// screen reader the same.
void showBoxReading(QLabel *label, QLineEdit *box, const functions::BoxShown &shown);

// The result as the result box's menu offers it: with the picked function's unit and in
// engineering form, when the function declares a unit.
ShownResult shownResult(double value);

// The result in engineering form with the picked function's unit; empty when it declares none.
QString resultWithUnit(double value);

} // namespace zorv
