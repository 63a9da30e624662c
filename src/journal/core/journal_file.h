#pragma once

#include "journal/core/journal_entry.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The journal's file as several running ZORVs share it. Every operation takes the folder's write
// lock (see FileReplacement) and works on the file as it is under the lock, never on what one
// process remembers of it: an append adds whole lines at the end, a rewrite reads the file again,
// applies its own change to what it read and replaces the file. So nobody's entry is lost and no
// line is ever torn or doubled by another writer.
namespace zorv::journal {

inline constexpr qint64 MaxJournalFileSize = qint64(64) << 20;

// The file read without the lock (at start-up): its bytes, or the French reason it cannot be read.
// Empty bytes when there is no file.
struct FileContent
{
    QByteArray bytes;
    QString unreadable;
};

FileContent readJournalFile(const QString &path);

// What went wrong in a locked operation.
enum class FileOutcome {
    Written,
    Unreadable, // the file cannot be read under the lock (see readJournalFile's reasons)
    Unwritable, // read-only, no folder, another writer keeps the lock, a full disk…
    CopyFailed  // damaged lines could not be set aside in a copy: nothing was written
};

// Adds the lines of the entries at the end, with the header when the file is new or empty: all or
// none of them.
FileOutcome appendEntries(const QString &path, const QList<Entry> &entries);

// A change of the whole file, applied to the file as it is under the lock.
struct FileChange
{
    QList<Entry> removed;   // each takes out one line equal to it, if the file still holds one
    QList<Entry> appended;  // added at the end
    qsizetype capacity = 0; // the newest lines kept
};

struct RewriteResult
{
    FileOutcome outcome = FileOutcome::Written;
    QList<Entry> entries; // with Written, what the file holds now, oldest first
    QString unreadable;   // with Unreadable, the reason
    int damagedLines = 0; // lines left out (set aside in a copy unless CopyFailed)
    QString copyName;     // the name of that copy, in the file's folder
};

// Rewrites the file with the change. Damaged lines are first written to a new copy beside the
// file (journal-avant-reparation.csv, then -2, -3… never over an earlier one); when that copy
// cannot be written, the file is left as it is (CopyFailed).
RewriteResult rewriteFile(const QString &path, const FileChange &change);

} // namespace zorv::journal
