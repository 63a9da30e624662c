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

// A double x stands for every real within its last digits, and PI or any sum that led to x is
// rounded as well: a sine or cosine below that uncertainty is the zero of a multiple of pi
// (sin(PI) is 0, not 1,22E-16), and a tangent whose cosine is that small is no number.
bool withinRounding(double y, double x)
{
    return std::abs(y) <= 2 * std::numeric_limits<double>::epsilon() * std::abs(x);
}

double periodic(int function, double x)
{
    const double sine = std::sin(x);
    const double cosine = std::cos(x);
    if (function == Cos)
        return withinRounding(cosine, x) ? 0 : cosine;
    if (withinRounding(sine, x))
        return 0;
    if (function == Sin)
        return sine;
    if (withinRounding(cosine, x))
        throw EvalError(EvalFailure::OutOfDomain);
    return std::tan(x);
}

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
    case Cos:
    case Tan:
        return periodic(function, x);
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
