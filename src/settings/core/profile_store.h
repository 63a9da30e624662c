#pragma once

#include "platform/file_replace.h"
#include "settings/core/profile_text.h"

#include <QByteArray>
#include <QString>

#include <ctime>

// The parsed profile files kept in memory, and the way they are read from and written to disk.
//
// A parsed file is trusted again when the file's stamp (device, inode, size, modification and
// change times to the nanosecond) is what it was when the file was read. A stamp cannot show a
// rewrite that keeps the size and falls within the same tick of the file system's clock, so a
// file whose change time is close to the moment it was read ("racy") is read again and compared
// byte for byte at each use, until it is old enough for its stamp to tell. What is left: a clock
// set forward by more than the margin, a file system whose server clock runs behind ours by more
// than the margin, and changes made through a memory mapping (which leave no stamp at all).
namespace zorv::settings {

// Larger files read as missing and are never rewritten.
inline constexpr qint64 MaxProfileFileSize = qint64(256) << 20;

struct FileStamp
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    timespec modified{};
    timespec changed{};

    friend bool operator==(const FileStamp &, const FileStamp &);
};

// Whether a file with this stamp, read at `readTimeNs` (nanoseconds since 1970, wall clock), may
// have been changed again since without its stamp showing it. A change time with no fraction of
// a second comes from a file system that counts in seconds (or two), and gets a wider margin.
bool isRacy(const FileStamp &stamp, qint64 readTimeNs);

// The file as it is now on disk, parsed; nullptr when there is no readable regular file there
// (or it exceeds MaxProfileFileSize). Valid until the next call into the store.
const ProfileText *currentProfile(const QString &path);

// Stores the value (see ProfileText::withValue) and replaces the file whole through a
// FileReplacement: a crash, a kill or a full disk leaves the old file or the new one, a link is
// not written through, and the read of the file and the write of its new version happen under
// the folder's lock, so that no update of another process in between is lost. False, with
// nothing changed, when the file cannot hold the texts, when the new file would pass
// MaxProfileFileSize, or for a problem of the path (profileFileProblem).
bool storeProfileValue(const QString &section,
                       const QString &key,
                       const QString &value,
                       const QString &path);

// Why no value at all could be stored in the profile file at `path` now: a missing or read-only
// folder, a read-only file, a path that is a link or no file (see replaceProblem). None when a
// write may go ahead. Callers that explain a refusal ask here rather than judge the path
// themselves.
ReplaceProblem profileFileProblem(const QString &path);

// Where the first character of `text` lies that a value of the profile file at `path` cannot
// hold in the file's encoding (Windows-1252 for a new file), or a line break or a NUL; -1 when
// there is none. storeProfileValue refuses a value holding one.
qsizetype firstUnstorableCharacter(const QString &path, QStringView text);

// Read scopes (see IniReadScope in ini.h).
void openReadScope();
void closeReadScope();

} // namespace zorv::settings
