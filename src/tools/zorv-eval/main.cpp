// zorv-eval: evaluates expressions with the equation engine, from the command line.
//
//   zorv-eval EXPR...   evaluates each argument;
//   zorv-eval           evaluates each line of standard input (LF or CR LF ends a line; an empty
//                       line is an expression too, and reads as 0).
//
// Prints one line per expression: its value in the engine's number text ("." as decimal point,
// at most 15 significant digits, 1E-05 and 1.5E+20 outside the plain range), or "erreur: " and the
// French reason. Exit status 0 when every expression evaluated, 1 otherwise. Input is UTF-8;
// invalid bytes become replacement characters, which the engine reads as any other character.

#include "engine/core/calcule.h"
#include "engine/core/number_text.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <string>

namespace {

// Prints the line for one expression; false when it could not be evaluated.
bool evaluate(const QString &expression)
{
    QByteArray line;
    bool evaluated = true;
    try {
        line = zorv::engine::numberText(zorv::engine::Calcule(expression)).toUtf8();
    } catch (const zorv::engine::EvalError &error) {
        line = QByteArray("erreur: ") + error.reason().toUtf8();
        evaluated = false;
    }
    line.append('\n');
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    return evaluated;
}

// Reads one line of standard input without its terminator; false at the end of the input.
bool readLine(std::string &line)
{
    line.clear();
    int c;
    while ((c = std::getchar()) != EOF && c != '\n')
        line.push_back(char(c));
    if (c == EOF && line.empty())
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    bool allEvaluated = true;
    if (argc > 1) {
        for (int i = 1; i < argc; ++i)
            allEvaluated = evaluate(QString::fromLocal8Bit(argv[i])) && allEvaluated;
        return allEvaluated ? 0 : 1;
    }
    std::string line;
    while (readLine(line)) {
        allEvaluated = evaluate(QString::fromUtf8(line.data(), qsizetype(line.size())))
                       && allEvaluated;
        // One answer per question, at once: another program may be waiting for it.
        std::fflush(stdout);
    }
    return allEvaluated ? 0 : 1;
}
