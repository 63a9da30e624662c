// zorv-eval: evaluates expressions with the equation engine, from the command line.
//
//   zorv-eval EXPR...   evaluates each argument;
//   zorv-eval           evaluates each line of standard input (LF or CR LF ends a line; an empty
//                       line is an expression too, and reads as 0);
//   zorv-eval --fonction NAME VALUE...
//                       evaluates a function file with the values as its inputs 1 to n (the others
//                       are "0"), by the calculator's rules; NAME is a file of the program's
//                       res/Fonc/ folder, with or without ".zvfc", or a path.
//
// Prints one line per expression: its value in the engine's number text ("." as decimal point,
// at most 15 significant digits, 1E-05 and 1.5E+20 outside the plain range), or "erreur: " and the
// French reason (for a function, the calculator's, naming the input at fault). Exit status 0 when
// every expression evaluated, 1 otherwise. Input is UTF-8;
// invalid bytes become replacement characters, which the engine reads as any other character.

#include "engine/core/calcule.h"
#include "engine/core/number_text.h"
#include "functions/core/function_evaluation.h"
#include "functions/core/function_file.h"
#include "functions/core/function_list.h"
#include "platform/app_dir.h"
#include "settings/core/ini.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>

#include <cstdio>
#include <cstring>
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

void printLine(const QString &text)
{
    const QByteArray line = text.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
}

// The function file that NAME stands for: a file of the function folder, named with or without
// its ".zvfc", else a path; empty when there is none.
QString functionFilePath(const QString &name)
{
    if (name.isEmpty())
        return {};
    QStringList candidates;
    if (!name.contains(u'/') && !name.contains(QDir::separator())) {
        candidates << zorv::donnees::FunctionDir + name
                   << zorv::donnees::FunctionDir + name + QStringLiteral(".zvfc");
    }
    candidates << name;
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

// The calculator's message as a reason after "erreur: ", written as the engine's reasons are:
// lower case first, no final stop.
QString asReason(QString message)
{
    if (message.endsWith(u'.'))
        message.chop(1);
    if (!message.isEmpty())
        message[0] = message[0].toLower();
    return message;
}

// zorv-eval --fonction NAME VALUE... (the arguments after --fonction): prints the line for the
// function; the exit status. Needs the application object, which knows the program's folder.
int functionMode(const QStringList &arguments)
{
    zorv::donnees::FunctionDir = zorv::donnees::appPath(QStringLiteral("res/Fonc/"));
    if (arguments.isEmpty() || arguments.size() > 7) {
        std::fputs("usage: zorv-eval --fonction NOM [VALEUR...] (six valeurs au plus)\n", stderr);
        return 2;
    }
    const QString &name = arguments.first();
    const QString path = functionFilePath(name);
    if (path.isEmpty()) {
        printLine(QStringLiteral("erreur: fonction introuvable « %1 »").arg(name));
        return 1;
    }
    zorv::functions::FunctionInputs inputs;
    for (int k = 1; k <= 6; ++k)
        inputs[k - 1] = k < arguments.size() ? arguments[k] : QStringLiteral("0");
    const QString functionName = zorv::ReadIniValue(QStringLiteral("GeneralInfo"),
                                                    QStringLiteral("NomFonc"),
                                                    path,
                                                    QFileInfo(path).fileName());
    const QString formula = zorv::ReadIniValue(QStringLiteral("Calc"),
                                               QStringLiteral("Fnc"),
                                               path,
                                               zorv::functions::ReadFailureText);
    const zorv::functions::FunctionEvaluation evaluation
        = zorv::functions::evaluateFunction(functionName, formula, inputs);
    if (!evaluation.ok()) {
        printLine(QStringLiteral("erreur: ") + asReason(evaluation.message));
        return 1;
    }
    printLine(zorv::engine::numberText(evaluation.value));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--fonction") == 0) {
        const QCoreApplication application(argc, argv);
        return functionMode(QCoreApplication::arguments().mid(2));
    }
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
