#include "engine/core/math_functions.h"

#include "engine/core/calcule.h"

#include <cmath>
#include <iterator>
#include <limits>

using namespace Qt::StringLiterals;

namespace zorv::engine {
namespace {

enum Function {
    Ln,
    Log,
    Exp,
    Sin,
    Cos,
    Tan,
    Asin,
    Acos,
    Atan,
    Abs,
    Sqrt
};

constexpr const char16_t *Names[]
    = {u"ln", u"log", u"exp", u"sin", u"cos", u"tan", u"asin", u"acos", u"atan", u"abs", u"sqrt"};

constexpr char16_t FirstMarker = u'\uE000';

double unchecked(int function, double x)
{
    switch (function) {
    case Ln:
    case Log:
        if (x <= 0)
            throw EvalError(EvalFailure::NonPositiveLogarithm);
        return function == Ln ? std::log(x) : std::log10(x);
    case Exp:
        return std::exp(x);
    case Sin:
        return std::sin(x);
    case Cos:
        return std::cos(x);
    case Tan:
        return std::tan(x);
    case Asin:
    case Acos:
        if (x < -1 || x > 1)
            throw EvalError(EvalFailure::OutOfDomain);
        return function == Asin ? std::asin(x) : std::acos(x);
    case Atan:
        return std::atan(x);
    case Abs:
        return std::abs(x);
    case Sqrt:
        if (x < 0)
            throw EvalError(EvalFailure::NegativeRoot);
        return std::sqrt(x);
    }
    return x;
}

} // namespace

std::optional<int> functionOfName(QStringView name)
{
    for (int f = 0; f < int(std::size(Names)); ++f) {
        if (name.compare(QStringView(Names[f]), Qt::CaseInsensitive) == 0)
            return f;
    }
    return std::nullopt;
}

QChar functionMarker(int function)
{
    return QChar(char16_t(FirstMarker + function));
}

std::optional<int> markedFunction(QChar c)
{
    const int f = c.unicode() - FirstMarker;
    if (f < 0 || f >= int(std::size(Names)))
        return std::nullopt;
    return f;
}

double applyFunction(int function, double x)
{
    const double y = unchecked(function, x);
    if (!std::isfinite(y))
        throw EvalError(EvalFailure::Overflow);
    // Only exp reaches zero from a value that is not zero; below the smallest normal double the
    // digits are lost.
    if (y == 0 ? function == Exp : std::abs(y) < std::numeric_limits<double>::min())
        throw EvalError(EvalFailure::Underflow);
    return y;
}

} // namespace zorv::engine
