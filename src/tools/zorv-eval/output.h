// zorv-eval's output: the lines it writes to standard output, the exit status that tells whether
// they all got there, and how results and reasons are written on them.

#pragma once

#include <QByteArray>
#include <QString>

namespace zorv::tools {

enum ExitStatus {
    AllEvaluated = 0,
    SomeFailed = 1,
    UsageError = 2,
    OutputLost = 3,
};

// Writes to standard output; a failed write is remembered (outputLost()).
void writeOut(const QByteArray &text);

// One answer per question, at once: another program may be waiting for it. A full disk shows
// only when the buffer is written, so the flush is checked too.
void flushOut();

// Whether a write to standard output has failed: the output is incomplete, whatever follows.
bool outputLost();

// The status of a mode, unless its output did not all reach its destination.
int finish(bool allEvaluated);

// The calculator's message as a reason after "erreur: ", written as the engine's reasons are:
// lower case first, no final stop.
QString asReason(QString message);

// How --fonction writes its result: the number alone, or followed by its unit (--unite), or in
// engineering form (--ingenieur).
enum class ResultForm {
    Number,
    WithUnit,
    Engineering
};

QString resultLine(double value, const QString &declaredUnit, ResultForm form);

} // namespace zorv::tools
