#pragma once

#include <QChar>
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
// makes the file ".zvfc".
NameProblem checkNewFunctionName(const QString &name);

// The first character of `text` that a line of a function file cannot hold: one that Windows-1252
// has no code for ("Ω", "≤", "→"), a line break or a NUL. A null QChar when there is none.
QChar firstUnstorableCharacter(const QString &text);

// Whether a file or folder that exists carries no write permission for anybody. Such a path is
// not written even by a user whom the system would let write (the superuser), as the profile
// store does: the mark is what the user asked for.
bool isMarkedReadOnly(const QString &path);

// The template that every new function file starts as: AppDir followed by "Template.zvfc".
QString templatePath();

// The folder where new function files are written: "out" in the folder of the user's files
// (UserDir()).
QString outputFolder();

// The new function file for a name: the output folder, the name and ".zvfc".
QString newFunctionFilePath(const QString &name);

} // namespace zorv::functions
