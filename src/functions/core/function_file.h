#pragma once

#include <QString>
#include <QStringList>

namespace zorv::functions {

// What a missing file, section or key of a function file reads as.
extern const QString ReadFailureText;

// The longest text that a function file gives back whole (a name, a legend, a formula, a
// description); ReadAClause cuts a longer one.
inline constexpr qsizetype MaxClauseLength = 254;

// A function file holds a dozen short lines. A file far larger is none (a stray disk image, a log)
// and is not read at all: reading it whole would hold the calculator up for seconds.
inline constexpr qint64 MaxFunctionFileSize = 1024 * 1024;

// One entry of a function file: FunctionDir followed by File (or File itself when it is a full
// path, as for the user's own functions), section Category, key StringC. The
// value as the profile store reads it (at most 254 characters), or ReadFailureText when the file,
// the section or the key does not exist, or the file is larger than MaxFunctionFileSize.
QString ReadAClause(const QString &File, const QString &Category, const QString &StringC);

// The formula of a function file (section "Calc", key "Fnc"), as ReadAClause finds it but not cut
// at MaxClauseLength, so that evaluateFunction refuses a formula too long for the file instead of
// computing its start.
QString readFormula(const QString &File);

// The plain files of a folder that count as function files: hidden files (name beginning with
// ".") and subfolders left out, ascending by name without regard to letter case (names that
// differ only in case in the order of their code points). Empty when the folder cannot be read.
QStringList functionFileNames(const QString &folder);

// What listing the function folder found.
struct FunctionListing
{
    QStringList names;          // function names, in listing order: name i belongs to file i
    qsizetype leftOut = 0;      // files past the capacity of the function arrays, not listed
    bool folderReadable = true; // false when FunctionDir is missing or cannot be read
};

// Lists FunctionDir, then the user's own function folder (userFunctionDir(), when there is one),
// into donnees::FunctionFileNames and donnees::FunctionNames (entries 0 to n-1; the entries after
// them are emptied, so no name of an earlier listing lingers). A file of FunctionDir is entered by
// its name, a file of the user's folder by its full path, which ReadAClause takes as it is. When
// the folders hold more files than the arrays, the first ones in listing order are taken and the
// number of the others is reported.
FunctionListing listFunctions();

} // namespace zorv::functions
