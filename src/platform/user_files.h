#pragma once

#include <QString>

// Where a user's own files live: the settings file (parametres/), the new function files (out/)
// and the functions the user added to the library (Fonc/).
//
// A program folder the user may write to (a copy in a home folder, a build's program folder) keeps
// them inside, as it always did. A system-wide installation cannot: there they live in the user's
// data folder for ZORV, with the same layout. Every reader and writer of those files asks here, so
// that the program, its tools and its tests always agree on the place.
namespace zorv {

// The application name the program gives itself; also the name of its folder in the user's data
// folder.
extern const QString ApplicationName;

// Whether the user's files live in the program folder: AppDir() exists and may be written to by
// this user, and it is not marked read-only for everybody (a mark that even the superuser, whom
// the system lets write anywhere, respects).
bool userFilesInProgramFolder();

// The user's data folder for ZORV ($XDG_DATA_HOME/zorv, by default ~/.local/share/zorv): the place
// that QStandardPaths::AppLocalDataLocation gives the program, whichever program of ZORV asks. Empty
// when the system knows no data folder for the user.
QString userDataDir();

// Makes userDataDir() answer the given folder instead (tests); an empty text goes back to the
// system's folder.
void setUserDataDir(const QString &directory);

// The folder holding the user's files, with the platform's separators and no trailing separator:
// AppDir() when userFilesInProgramFolder(), otherwise userDataDir(), whose folders parametres/,
// out/ and Fonc/ are created here when missing (the user cannot be asked to make them). When the
// system knows no data folder, AppDir(): writes then fail and are reported as in any folder that
// cannot be written.
QString UserDir();

// UserDir() followed by a separator and the relative path (written with "/"), in the platform's
// separators: userPath("parametres/da4bc5a4bc88a4bc88a4bc88.zorv").
QString userPath(const QString &relative);

} // namespace zorv
