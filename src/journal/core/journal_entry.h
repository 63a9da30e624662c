#pragma once

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>

#include <array>
#include <optional>

// What the journal keeps of one evaluation, and how a user reads it.
namespace zorv::journal {

// The source of the equation engine's entries.
extern const QString EngineSource;

// One input box of a function, as it was when the function was evaluated.
struct Input
{
    int box = 0;    // 1 to 6
    QString legend; // never empty: the box's caption "k)" stands for a missing legend
    QString text;   // as typed
    QString unit;   // the unit its function declares, as the user reads it ("kΩ"); may be empty

    friend bool operator==(const Input &, const Input &) = default;
};

struct Entry
{
    QDateTime time;              // local time, whole seconds
    QString source;              // the function's name, or EngineSource
    QString functionFile;        // the function's file in the function folder; empty for the engine
    QList<Input> inputs;         // the inputs that the formula uses, by box
    QString expression;          // the text given to the engine
    std::optional<double> value; // the result; nothing when the evaluation was refused
    QString reason;              // why it was refused, in French; empty with a result
    QString resultUnit;          // the declared unit of the result, as the user reads it

    bool refused() const { return !value.has_value(); }

    bool fromEngine() const { return functionFile.isEmpty() && source == EngineSource; }

    void setResult(double result);
    void setRefusal(const QString &why);

    friend bool operator==(const Entry &, const Entry &) = default;
};

// An evaluation of the equation engine, stamped now, without its outcome yet.
Entry engineEntry(const QString &expression);

// An evaluation of a function, stamped now, without its outcome yet. Its inputs are those whose
// placeholder ("d1" to "d6") the formula holds, each with its legend (line k of the legend list)
// and the text of box k.
Entry functionEntry(const QString &name,
                    const QString &file,
                    const QString &formula,
                    const std::array<QString, 6> &legends,
                    const std::array<QString, 6> &texts,
                    const QString &expression);

// The entry as the journal's file gives it back, so that no line written is ever refused when
// read: a blank origin becomes the function's file (or "(sans nom)"), line breaks become spaces,
// the time whole seconds, a refusal without its reason or a value that is not finite a refusal
// that says so, inputs in box order, one per box, each with a legend.
Entry readableEntry(const Entry &entry);

// The result as the user sees it in the locale (the calculator's result box); empty for a refusal.
QString resultText(const Entry &entry, const QLocale &locale = QLocale());

// The line that the journal shows: "Name : legend = text, legend = text → result", or for the
// engine "Moteur d'équations : expression → result"; a refusal ends in "→ refusé : reason".
// Units stand after the result and after each text that ends in a number ("C = 100 nF").
QString lineText(const Entry &entry, const QLocale &locale = QLocale());

} // namespace zorv::journal
