// zorv-eval: evaluates expressions with the equation engine, from the command line.
//
// The usage text below is the contract; each mode is one function, chosen by the first argument.

#include "engine/core/calcule.h"
#include "engine/core/expression_check.h"
#include "engine/core/number_text.h"
#include "functions/core/function_evaluation.h"
#include "functions/core/function_file.h"
#include "functions/core/function_list.h"
#include "functions/core/function_request.h"
#include "functions/core/picked_function.h"
#include "functions/core/unit.h"
#include "functions/core/user_library.h"
#include "platform/app_dir.h"
#include "tools/zorv-eval/output.h"
#include "tools/zorv-eval/sweep_arguments.h"
#include "values/core/standard_values.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <string>

using namespace Qt::StringLiterals;

namespace {

using zorv::tools::asReason;
using zorv::tools::finish;
using zorv::tools::flushOut;
using zorv::tools::outputLost;
using zorv::tools::ResultForm;
using zorv::tools::resultLine;
using zorv::tools::UsageError;
using zorv::tools::writeOut;

constexpr char Synopsis[]
    = "usage : zorv-eval [--] [EXPR...]\n"
      "        zorv-eval [--unite | --ingenieur] --fonction NOM [VALEUR...] [= RÉSULTAT]\n"
      "        zorv-eval --fonction NOM [VALEUR...] DE..À [VALEUR...] "
      "[--points N] [--log]\n"
      "        zorv-eval --normalisee SÉRIE VALEUR...\n"
      "        zorv-eval --help | --version\n";

constexpr char Details[]
    = "Sans option, calcule chaque argument, ou chaque ligne de l'entrée standard s'il n'y en a\n"
      "aucun (une ligne vide vaut 0). Écrit une ligne par expression : sa valeur (« . » comme\n"
      "séparateur décimal, au plus 15 chiffres significatifs, 1E-05 et 1.5E+20 hors de la plage\n"
      "ordinaire), ou « erreur: » et la raison.\n"
      "\n"
      "--fonction NOM [VALEUR...]  calcule le fichier de fonction NOM (un fichier du dossier\n"
      "    res/Fonc/ du programme, puis de vos propres fonctions, avec ou sans « .zvfc », ou un\n"
      "    chemin) avec les valeurs comme données 1 à 6 (« 0 » pour les manquantes), selon les\n"
      "    règles de la calculatrice : chaque valeur entre parenthèses, une donnée illisible\n"
      "    refusée en la nommant. Une valeur peut porter l'unité que la fonction déclare pour\n"
      "    cette donnée, avec ou sans préfixe (« 100 nF », « 4k7 ») ; elle est convertie dans\n"
      "    l'unité déclarée. La ligne écrite est le nombre dans l'unité déclarée du résultat.\n"
      "    Une valeur « ? » est l'inconnue : « = RÉSULTAT » donne les valeurs de cette donnée\n"
      "    qui donnent ce résultat, sur une ligne, en ordre croissant. Une tolérance après une\n"
      "    valeur (« 10k±5% », « 3,3+-0,1 ») donne le nominal, le minimum et le maximum.\n"
      "\n"
      "--unite  (avant --fonction) écrit après le nombre une espace et l'unité déclarée du\n"
      "    résultat : « 1591.54943091895 Hz ».\n"
      "--ingenieur  (avant --fonction) écrit le résultat en notation ingénieur, 4 chiffres\n"
      "    significatifs et le préfixe de l'unité : « 1.592 kHz ».\n"
      "    Sans unité déclarée, l'une et l'autre écrivent le nombre seul.\n"
      "\n"
      "--fonction NOM ... DE..À ... [--points N] [--log]  fait varier la donnée écrite DE..À\n"
      "    de DE à À, bornes comprises, en N points (de 2 à 10000, 200 par défaut) également\n"
      "    espacés, ou également espacés en logarithme avec --log (bornes de même signe).\n"
      "    Écrit une ligne « X RÉSULTAT » par point, ou « X erreur: » et la raison ; le code de\n"
      "    sortie est 0 si au moins un point a été calculé.\n"
      "\n"
      "--normalisee SÉRIE VALEUR...  pour chaque valeur positive, les valeurs de la série (E6, "
      "E12,\n"
      "    E24, E48, E96 ou E192) juste en dessous, juste au-dessus et la plus proche (la plus\n"
      "    basse à écart égal) : « 680 750 750 » pour E24 723,43. La virgule décimale est admise.\n"
      "\n"
      "Code de sortie : 0 si tout a été calculé, 1 si une ligne est une erreur, 2 pour une erreur\n"
      "d'utilisation, 3 si la sortie n'a pas pu être écrite (disque plein, tube fermé).\n";

int usageError(const QString &reason)
{
    const QByteArray text = "zorv-eval: " + reason.toUtf8() + "\n" + Synopsis;
    std::fputs(text.constData(), stderr);
    return UsageError;
}

// Writes the line for one expression; false when it could not be evaluated.
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
    writeOut(line + '\n');
    return evaluated;
}

// A line longer than this cannot be an expression the engine takes: UTF-8 needs at most three
// bytes for each of its characters (four for a pair of them).
constexpr size_t MaxLineBytes = size_t(zorv::engine::MaxExpressionLength) * 3;

enum class LineRead {
    Line,
    TooLong, // the rest of it was read and thrown away, so memory stays bounded
    End,
};

// Reads one line of standard input without its terminator.
LineRead readLine(std::string &line)
{
    line.clear();
    bool tooLong = false;
    int c;
    while ((c = getc_unlocked(stdin)) != EOF && c != '\n') {
        if (line.size() < MaxLineBytes)
            line.push_back(char(c));
        else
            tooLong = true;
    }
    if (c == EOF && line.empty())
        return LineRead::End;
    if (tooLong)
        return LineRead::TooLong;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return LineRead::Line;
}

int expressionsMode(const QStringList &expressions)
{
    bool allEvaluated = true;
    if (!expressions.isEmpty()) {
        for (const QString &expression : expressions)
            allEvaluated = evaluate(expression) && allEvaluated;
        return finish(allEvaluated);
    }
    std::string line;
    for (LineRead read; !outputLost() && (read = readLine(line)) != LineRead::End;) {
        if (read == LineRead::TooLong) {
            using zorv::engine::EvalFailure;
            writeOut("erreur: " + zorv::engine::frenchReason(EvalFailure::TooLong).toUtf8() + '\n');
            allEvaluated = false;
        } else {
            allEvaluated = evaluate(QString::fromUtf8(line.data(), qsizetype(line.size())))
                           && allEvaluated;
        }
        flushOut();
    }
    return finish(allEvaluated);
}

// Writes the line for one value; false when it is not a positive number.
bool standardValues(zorv::values::Series series, const QString &text)
{
    using namespace zorv::values;
    const ValueReading reading = readValue(text);
    if (!reading.value) {
        writeOut("erreur: " + reading.reason.toUtf8() + '\n');
        return false;
    }
    const NearestValues values = *nearestValues(series, *reading.value);
    const QStringList texts{zorv::engine::numberText(values.below.value()),
                            zorv::engine::numberText(values.above.value()),
                            zorv::engine::numberText(values.nearest.value())};
    writeOut(texts.join(u' ').toUtf8() + '\n');
    return true;
}

int standardValuesMode(const QStringList &arguments)
{
    if (arguments.size() < 2)
        return usageError(u"--normalisee attend une série et au moins une valeur"_s);
    const std::optional<zorv::values::Series> series = zorv::values::seriesNamed(arguments[0]);
    if (!series) {
        return usageError(
            u"série inconnue « %1 » (E6, E12, E24, E48, E96 ou E192)"_s.arg(arguments[0]));
    }
    bool allEvaluated = true;
    for (const QString &value : arguments.mid(1))
        allEvaluated = standardValues(*series, value) && allEvaluated;
    return finish(allEvaluated);
}

// The function file that NAME stands for: a file of the function folder, then of the user's own
// function folder (as the calculator lists them), named with or without its ".zvfc", else a path;
// empty when there is none.
QString functionFilePath(const QString &name)
{
    if (name.isEmpty())
        return {};
    QStringList candidates;
    if (!name.contains(u'/') && !name.contains(QDir::separator())) {
        for (const QString &folder :
             {zorv::donnees::FunctionDir, zorv::functions::userFunctionDir()}) {
            if (!folder.isEmpty())
                candidates << folder + name << folder + name + u".zvfc"_s;
        }
    }
    candidates << name;
    for (const QString &candidate : candidates) {
        // Whole, as the function-file reader takes a relative name in the function folder.
        if (const QFileInfo info(candidate); info.isFile())
            return info.absoluteFilePath();
    }
    return {};
}

// The function of the file, read as the calculator reads it, which leaves alone a file too large
// to be a function file.
zorv::functions::PickedFunction pickedFunctionAt(const QString &path)
{
    QString name = zorv::functions::ReadAClause(path, u"GeneralInfo"_s, u"NomFonc"_s);
    if (name == zorv::functions::ReadFailureText)
        name = QFileInfo(path).fileName();
    return zorv::functions::readPickedFunction(name, QFileInfo(path).absoluteFilePath());
}

int sweepMode(const QStringList &arguments);

// The arguments after --fonction. Needs the application object, which knows the program folder.
int functionMode(const QStringList &arguments, ResultForm form = ResultForm::Number)
{
    if (zorv::tools::asksForSweep(arguments.mid(1)))
        return sweepMode(arguments);
    const zorv::functions::FunctionArguments values = zorv::functions::readFunctionArguments(
        arguments.mid(1));
    if (arguments.isEmpty() || values.boxes.size() > 6)
        return usageError(u"--fonction attend un nom et six valeurs au plus"_s);
    if (!values.ok()) {
        writeOut(u"erreur: "_s.toUtf8() + values.reason.toUtf8() + '\n');
        return finish(false);
    }
    zorv::donnees::FunctionDir = zorv::donnees::appPath(u"res/Fonc/"_s);
    const QString &name = arguments.first();
    const QString path = functionFilePath(name);
    if (path.isEmpty()) {
        writeOut(u"erreur: fonction introuvable « %1 »\n"_s.arg(name).toUtf8());
        return finish(false);
    }
    zorv::functions::FunctionInputs inputs;
    for (int k = 1; k <= 6; ++k)
        inputs[k - 1] = k <= values.boxes.size() ? values.boxes[k - 1] : u"0"_s;
    const zorv::functions::PickedFunction function = pickedFunctionAt(path);
    // Solving and ranges; a plain value keeps the reading of units below.
    if (zorv::functions::asksSolveOrRange(inputs, values.wanted)) {
        const zorv::functions::FunctionAnswer answer
            = zorv::functions::answerFunction(function, inputs, values.wanted);
        if (!answer.ok() || answer.kind != zorv::functions::FunctionAnswer::Kind::Value) {
            writeOut((answer.ok() ? zorv::functions::answerLine(answer)
                                  : u"erreur: "_s + asReason(answer.reason))
                         .toUtf8()
                     + '\n');
            return finish(answer.ok());
        }
    }
    const zorv::functions::FunctionEvaluation evaluation
        = zorv::functions::evaluateFunction(function, inputs);
    const QString line = evaluation.ok() ? resultLine(evaluation.value, function.units.result, form)
                                         : u"erreur: "_s + asReason(evaluation.reason);
    writeOut(line.toUtf8() + '\n');
    return finish(evaluation.ok());
}

// The arguments after --fonction, one of the values a range: one line per point.
int sweepMode(const QStringList &arguments)
{
    using namespace zorv::functions;
    const auto read = zorv::tools::readSweepArguments(arguments.mid(1));
    if (const QString *usage = std::get_if<QString>(&read))
        return usageError(*usage);
    const zorv::tools::SweepArguments &sweep = std::get<zorv::tools::SweepArguments>(read);
    zorv::donnees::FunctionDir = zorv::donnees::appPath(u"res/Fonc/"_s);
    const QString path = functionFilePath(arguments.first());
    if (path.isEmpty()) {
        writeOut(u"erreur: fonction introuvable « %1 »\n"_s.arg(arguments.first()).toUtf8());
        return finish(false);
    }
    SweepRequest request{.function = pickedFunctionAt(path),
                         .inputs = {},
                         .box = sweep.box,
                         .range = {}};
    const auto range = readSweepRange(sweep.values[sweep.box - 1],
                                      sweep.points,
                                      sweep.scale,
                                      parseUnit(request.function.units.inputs[sweep.box - 1]));
    if (const QString *fault = std::get_if<QString>(&range)) {
        writeOut(u"erreur: "_s.toUtf8() + asReason(*fault).toUtf8() + '\n');
        return finish(false);
    }
    request.range = std::get<SweepRange>(range);
    for (int k = 1; k <= 6; ++k)
        request.inputs[k - 1] = sweep.values.value(k - 1, u"0"_s);
    const SweepResult result = sweepFunction(request);
    if (!result.fault.isEmpty())
        writeOut(u"erreur: "_s.toUtf8() + asReason(result.fault).toUtf8() + '\n');
    for (const SweepPoint &point : result.points) {
        const QString value = point.y ? zorv::engine::numberText(*point.y)
                                      : u"erreur: "_s + asReason(point.reason);
        writeOut((zorv::engine::numberText(point.x) + u' ' + value).toUtf8() + '\n');
    }
    return finish(result.computed() > 0);
}

int helpMode()
{
    writeOut(QByteArray(Synopsis) + '\n' + Details);
    return finish(true);
}

int versionMode()
{
    writeOut("zorv-eval " ZORV_VERSION_TEXT "\n");
    return finish(true);
}

// "--name": an option. "--5" or "-2+3" stay expressions.
bool looksLikeOption(const QString &argument)
{
    return argument.size() > 2 && argument.startsWith(u"--"_s) && argument[2].isLetter();
}

} // namespace

int main(int argc, char **argv)
{
    // A closed pipe (zorv-eval … | head -1) is output that could not be written: status 3, not
    // death by signal.
    std::signal(SIGPIPE, SIG_IGN);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    const QString mode = arguments.value(0);
    if (mode == u"--help")
        return helpMode();
    if (mode == u"--version")
        return versionMode();
    if (mode == u"--fonction") {
        QCoreApplication application(argc, argv);
        return functionMode(arguments.mid(1));
    }
    if (mode == u"--unite" || mode == u"--ingenieur") {
        if (arguments.value(1) != u"--fonction")
            return usageError(u"%1 s'emploie juste avant --fonction"_s.arg(mode));
        QCoreApplication application(argc, argv);
        return functionMode(arguments.mid(2),
                            mode == u"--unite" ? ResultForm::WithUnit : ResultForm::Engineering);
    }
    if (mode == u"--normalisee")
        return standardValuesMode(arguments.mid(1));
    if (mode == u"--")
        return expressionsMode(arguments.mid(1));
    if (looksLikeOption(mode))
        return usageError(u"option inconnue « %1 »"_s.arg(mode));
    return expressionsMode(arguments);
}
