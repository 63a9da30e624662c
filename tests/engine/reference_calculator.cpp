#include "engine/reference_calculator.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace zorv::test {
namespace {

// Processes at once: each spends most of its time waiting, not computing.
constexpr qsizetype MaximumProcesses = 32;
constexpr qsizetype MinimumLinesPerProcess = 200;
constexpr int TimeoutMilliseconds = 30 * 60 * 1000;

// Colours off (they would wrap each value in escape sequences), 20 significant digits.
const QString Settings = u"set color 0\nset precision 20\n"_s;

} // namespace

QString referenceCalculator()
{
    return QStandardPaths::findExecutable(u"qalc"_s);
}

std::optional<long double> readReferenceLine(QString line)
{
    line = line.trimmed();
    line.replace(QChar(0x2212), u'-');  // its minus sign
    if (line.startsWith(QChar(0x2248))) // "≈", should an approximation be marked
        line = line.mid(1).trimmed();
    const QByteArray text = line.toLatin1();
    if (text.isEmpty() || line.contains(u' '))
        return std::nullopt;
    char *end = nullptr;
    errno = 0;
    const long double value = std::strtold(text.constData(), &end);
    if (end != text.constData() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<QList<std::optional<long double>>> referenceValues(const QStringList &expressions,
                                                                 QString &error)
{
    const QString program = referenceCalculator();
    if (program.isEmpty()) {
        error = u"qalc is not installed"_s;
        return std::nullopt;
    }
    // Its settings and history go to a folder of the run's own, never to the user's.
    QTemporaryDir home;
    if (!home.isValid()) {
        error = u"no temporary folder"_s;
        return std::nullopt;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_s, home.path());
    environment.insert(u"XDG_CONFIG_HOME"_s, home.filePath(u"config"_s));
    environment.insert(u"XDG_DATA_HOME"_s, home.filePath(u"data"_s));
    environment.insert(u"XDG_CACHE_HOME"_s, home.filePath(u"cache"_s));

    const qsizetype processes = std::clamp<qsizetype>(expressions.size() / MinimumLinesPerProcess,
                                                      1,
                                                      MaximumProcesses);
    const qsizetype perProcess = (expressions.size() + processes - 1) / processes;
    std::vector<std::unique_ptr<QProcess>> running;
    for (qsizetype first = 0; first < expressions.size(); first += perProcess) {
        const QStringList part = expressions.mid(first, perProcess);
        QFile input(home.filePath(u"input%1.txt"_s.arg(running.size())));
        if (!input.open(QIODevice::WriteOnly)
            || input.write((Settings + part.join(u'\n') + u'\n').toUtf8()) < 0) {
            error = u"cannot write the input of qalc"_s;
            return std::nullopt;
        }
        input.close();
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment);
        // To a file, not a pipe: a process whose pipe is full would wait until its turn to be read.
        process->setStandardOutputFile(home.filePath(u"output%1.txt"_s.arg(running.size())));
        // -defaults: whatever the user set up (precision, fractions, units) plays no part.
        process->start(program, {u"-defaults"_s, u"-t"_s, u"-f"_s, input.fileName()});
        process->closeWriteChannel(); // without an interactive session to fall into
        running.push_back(std::move(process));
    }

    QList<std::optional<long double>> values;
    values.reserve(expressions.size());
    for (std::size_t i = 0; i < running.size(); ++i) {
        QProcess &process = *running[i];
        if (!process.waitForFinished(TimeoutMilliseconds)
            || process.exitStatus() != QProcess::NormalExit) {
            error = u"qalc did not finish: "_s + process.errorString();
            return std::nullopt;
        }
        QFile output(home.filePath(u"output%1.txt"_s.arg(i)));
        if (!output.open(QIODevice::ReadOnly)) {
            error = u"cannot read the output of qalc"_s;
            return std::nullopt;
        }
        const QStringList lines
            = QString::fromUtf8(output.readAll()).split(u'\n', Qt::SkipEmptyParts);
        const qsizetype expected = std::min(perProcess, expressions.size() - values.size());
        if (lines.size() != expected) {
            error = u"qalc printed %1 lines for %2 expressions"_s.arg(lines.size()).arg(expected);
            return std::nullopt;
        }
        for (const QString &line : lines)
            values.append(readReferenceLine(line));
    }
    return values;
}

} // namespace zorv::test
