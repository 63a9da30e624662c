#pragma once

#include <QString>

// The user's own functions: where the calculator finds them besides the shipped ones, and how a
// function written with the authoring window joins them.
namespace zorv::functions {

// The user's own function folder, listed after FunctionDir: "Fonc" in the user's data folder,
// ending with a separator. Empty when the user's files live in the program folder, whose function
// folder FunctionDir is then the user's as well.
QString userFunctionDir();

// The folder that receives a function added to the library: userFunctionDir(), or FunctionDir
// when that is empty.
QString libraryFolder();

// What adding a new function file to the library came to.
enum class LibraryAddition {
    Added,
    NotGenerated, // the new function file does not exist (or is no plain file)
    SourceIsLink, // the new function file is a symbolic link: copying it would read a file
                  // outside the folders of ZORV
    TargetIsLink, // the library file it would replace is one: copying would write outside
    AlreadyThere, // the library holds a file of that name, and replacing it was not asked for
    CannotWrite,  // the library folder is missing or cannot be written, the file there is
                  // read-only or no file, or the copy failed (see replaceProblem)
};

// Copies the new function file of `name` (newFunctionFilePath) into libraryFolder() under the same
// file name, through the platform's copy (the destination is replaced whole or left as it was). An
// existing file of that name is replaced only when `replace` is true. The name itself is not
// checked here: the caller has checked it with checkNewFunctionName.
LibraryAddition addToLibrary(const QString &name, bool replace);

// The file that addToLibrary writes for `name`.
QString libraryFilePath(const QString &name);

} // namespace zorv::functions
