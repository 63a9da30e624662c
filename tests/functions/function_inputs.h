#pragma once

#include "functions/core/function_evaluation.h"

#include <QStringList>

namespace zorv::test {

// The six boxes of the calculator: the texts given, then "0", as the boxes start.
inline functions::FunctionInputs boxes(const QStringList &typed)
{
    using namespace Qt::StringLiterals;
    functions::FunctionInputs inputs;
    for (int k = 0; k < 6; ++k)
        inputs[k] = k < typed.size() ? typed[k] : u"0"_s;
    return inputs;
}

} // namespace zorv::test
