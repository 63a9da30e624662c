// The authoring window's refusals: why a name, a text, a file or an addition to the library is
// refused, told as the user can put it right.

#pragma once

#include "functions/core/new_function_file.h"
#include "functions/core/user_library.h"

#include <QString>

namespace zorv {

// Why the name typed for a new function file is refused; empty for NameProblem::None.
QString nameRefusal(const QString &name, functions::NameProblem problem);

// Why the file cannot be written, as the profile store sees it.
QString cannotWrite(const QString &file);

// A box whose text is longer than a function file keeps.
QString tooLong(const QString &box, qsizetype length);

// A box holding a character that function files (Windows-1252) cannot hold.
QString unstorable(const QString &box, QChar c);

// Why the function was not added to the library (source: the generated file, target: its copy
// in the library); empty when it was added or is already there.
QString additionRefusal(functions::LibraryAddition outcome,
                        const QString &source,
                        const QString &target);

} // namespace zorv
