#include "platform/window_openers.h"

#include <utility>

namespace zorv {
namespace {

StandardValuesOpener standardValuesOpener = nullptr;
InputBoxFiller inputBoxFiller = nullptr;

} // namespace

StandardValuesOpener setStandardValuesOpener(StandardValuesOpener opener)
{
    return std::exchange(standardValuesOpener, opener);
}

bool openStandardValues(double value, const QString &unit)
{
    if (!standardValuesOpener)
        return false;
    standardValuesOpener(value, unit);
    return true;
}

InputBoxFiller setInputBoxFiller(InputBoxFiller filler)
{
    return std::exchange(inputBoxFiller, filler);
}

bool fillInputBox(int box, const QString &text)
{
    if (!inputBoxFiller)
        return false;
    inputBoxFiller(box, text);
    return true;
}

} // namespace zorv
