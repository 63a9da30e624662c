#pragma once

#include <QString>

namespace zorv::functions {

// Why a name typed for a new function file cannot be used.
enum class NameProblem {
    None,
    FolderSeparator,    // "/" or "\": the file would go to another folder
    ParentReference,    // "..": the same, through the parent folder
    ForbiddenCharacter, // NUL, a control character, or one of < > : " | ? * (refused on Windows,
                        // and function files travel between systems)
    TooLong,            // the file name would not fit the file system (255 bytes)
};

// Checks the name of a new function file (the part before ".zvfc"). The empty name is accepted: it
// makes the file ".zvfc". Every name accepted can be written again and again: the temporary file
// of a write has a short name of its own.
NameProblem checkNewFunctionName(const QString &name);

// The template that every new function file starts as: AppDir followed by "Template.zvfc".
QString templatePath();

// The folder where new function files are written: "out" in the folder of the user's files
// (UserDir()).
QString outputFolder();

// The new function file for a name: the output folder, the name and ".zvfc".
QString newFunctionFilePath(const QString &name);

} // namespace zorv::functions
