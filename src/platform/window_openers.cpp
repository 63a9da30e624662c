#include "platform/window_openers.h"

#include <utility>

namespace zorv {
namespace {

StandardValuesOpener standardValuesOpener = nullptr;

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

} // namespace zorv
