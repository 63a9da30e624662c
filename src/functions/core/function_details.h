#pragma once

#include "functions/core/function_evaluation.h"
#include "functions/core/picked_function.h"

#include <QString>

#include <array>
#include <optional>

// What a function file tells besides its formula and legends: the category it is listed under,
// the unit of each input and of the result, and a worked example that lets the function be
// checked against a known result.
namespace zorv::functions {

struct FunctionDetails
{
    QString category;             // [GeneralInfo] Categorie; empty when the file gives none
    std::array<QString, 6> units; // [Unites] d1..d6; null when the key is missing
    QString resultUnit;           // [Unites] Resultat; null when the key is missing
    FunctionInputs exampleInputs; // [Exemple] d1..d6; "0" for the inputs the example leaves out
    QString exampleResult;        // [Exemple] Resultat; null when the file has no example

    bool hasExample() const { return !exampleResult.isNull(); }
};

// Reads the details of a listed function file (a name in FunctionDir or a full path, as
// ReadAClause takes it).
FunctionDetails readFunctionDetails(const QString &file);

// The worked example evaluated with the function's formula, and how it compares with the result
// the file gives for it.
struct ExampleCheck
{
    FunctionEvaluation evaluation;
    std::optional<double> expected; // the file's result, when the engine can read it
    bool agrees = false;            // both known and within a relative 1E-6 of each other
};

// Evaluates the example of `details` as the calculator evaluates those inputs for `function`: each
// value read in the unit the function declares for it.
ExampleCheck checkExample(const PickedFunction &function, const FunctionDetails &details);

// True when `value` lies within a relative 1E-6 of `expected` (an absolute 1E-12 around zero).
bool agreesWithExample(double value, double expected);

} // namespace zorv::functions
