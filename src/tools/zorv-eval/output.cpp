// zorv-eval's output: writing to standard output, its exit status, results and reasons as text.

#include "tools/zorv-eval/output.h"

#include "engine/core/number_text.h"
#include "functions/core/unit.h"

#include <cstdio>

namespace zorv::tools {

namespace {

// Set once a write to standard output fails: the output is incomplete, whatever follows.
bool lost = false;

} // namespace

void writeOut(const QByteArray &text)
{
    if (std::fwrite(text.constData(), 1, size_t(text.size()), stdout) != size_t(text.size())
        || std::ferror(stdout))
        lost = true;
}

void flushOut()
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        lost = true;
}

bool outputLost()
{
    return lost;
}

int finish(bool allEvaluated)
{
    flushOut();
    if (lost)
        return OutputLost;
    return allEvaluated ? AllEvaluated : SomeFailed;
}

QString asReason(QString message)
{
    if (message.endsWith(u'.'))
        message.chop(1);
    if (!message.isEmpty())
        message[0] = message[0].toLower();
    return message;
}

QString resultLine(double value, const QString &declaredUnit, ResultForm form)
{
    const zorv::functions::Unit unit = zorv::functions::parseUnit(declaredUnit);
    if (!unit.declared() || form == ResultForm::Number)
        return zorv::engine::numberText(value);
    if (form == ResultForm::Engineering)
        return zorv::functions::engineeringText(value, unit);
    return zorv::engine::numberText(value) + u' ' + zorv::functions::shownUnit(unit.written);
}

} // namespace zorv::tools
