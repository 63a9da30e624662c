// libFuzzer target: any text of up to 10,000 characters gives a value or an evaluation error,
// never a crash, a hang or undefined behaviour. Each input byte is one character (Latin-1), so
// that "²" (0xB2) and "°" (0xB0) are single bytes the fuzzer finds easily; inputs that begin with
// 0xFF are read as UTF-16 instead, to reach every other character.

#include "engine/core/calcule.h"
#include "engine/core/number_reading.h"
#include "engine/core/number_text.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

constexpr size_t MaxCharacters = 10000;

QString expressionOf(const uint8_t *data, size_t size)
{
    if (size > 0 && data[0] == 0xFF) {
        const size_t units = std::min((size - 1) / 2, MaxCharacters);
        QString text(qsizetype(units), Qt::Uninitialized);
        for (size_t i = 0; i < units; ++i)
            text[qsizetype(i)] = QChar(char16_t(data[1 + 2 * i] | data[2 + 2 * i] << 8));
        return text;
    }
    return QString::fromLatin1(reinterpret_cast<const char *>(data),
                               qsizetype(std::min(size, MaxCharacters)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString expression = expressionOf(data, size);
    double value = 0;
    try {
        value = zorv::engine::Calcule(expression);
    } catch (const zorv::engine::EvalError &) {
        return 0;
    }
    // A value is finite, already rounded to 15 digits, and its text reads back as itself.
    if (!std::isfinite(value) || zorv::engine::normaliseOperand(value) != value
        || zorv::engine::readNumber(zorv::engine::numberText(value)) != value)
        __builtin_trap();
    return 0;
}
