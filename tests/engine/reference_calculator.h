#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The independent calculator that the differential test compares the engine with: the
// command-line calculator qalc, in its own notation, at 20 significant digits, exact where it can.
namespace zorv::test {

// Its executable, or an empty text when it is not installed.
QString referenceCalculator();

// One line of its output as a real number; nullopt for anything else (a complex value, 1/0, a
// vector, a text).
std::optional<long double> readReferenceLine(QString line);

// The value of each expression, in order: nullopt where it gives no real number. Starting it is
// slow and it waits a little after each line, so the expressions go to several processes at once.
// On a failure to run it or to match its output, returns nullopt and says why in `error`.
std::optional<QList<std::optional<long double>>> referenceValues(const QStringList &expressions,
                                                                 QString &error);

} // namespace zorv::test
