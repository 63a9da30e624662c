#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace zorv {

// Why a file cannot be replaced.
enum class ReplaceProblem {
    None,
    MissingFolder,  // the folder does not exist, is no folder or cannot be opened
    ReadOnlyFolder, // the folder is marked read-only, or the user may not write in it
    ReadOnlyFile,   // the file is marked read-only, or the user may not write it
    NotAFile,       // the path names a folder, a pipe, a device: something else than a file
    Link,           // a symbolic link: writing through it would change a file somewhere else
    Busy,           // another writer kept the folder's write lock past the time allowed
    Failed,         // the system refused the write (disk full, size limit, input/output error)
};

// What replacing the file at `path` would run into now, without taking the lock: None when the
// file may be written. "Read-only" includes a file or folder that carries no write permission at
// all for anybody, even for a user whom the system would let write (root): the mark is what the
// user asked for.
ReplaceProblem replaceProblem(const QString &path);

// Replaces one file whole, in its own folder and never through a link.
//
// The new content goes into a hidden temporary file beside the file (".NAME.XXXXXX.tmp", the
// name shortened and given a hash when it would not fit in 255 bytes), which is renamed over the
// file once complete: a crash, a kill or a full disk leaves the old file or the new one, and
// whatever the path names, only an entry of its own folder changes. A link at the path is
// refused, not followed. The new file keeps the permissions of the old one.
//
// While the object lives, it holds an advisory lock on the folder (waiting at most LockTimeoutMs
// for it), so that the writers of this program in several processes take turns: whoever reads
// the file after construction and writes it back loses nobody's update. Holding the lock, it
// removes the temporary files that earlier writes of the same file left behind when they were
// killed. On a file system without such locks, it goes ahead unlocked and leaves the leftovers.
class FileReplacement
{
public:
    static constexpr int LockTimeoutMs = 2000;

    explicit FileReplacement(const QString &path);
    ~FileReplacement();
    FileReplacement(const FileReplacement &) = delete;
    FileReplacement &operator=(const FileReplacement &) = delete;

    // None when the replacement may go ahead; once something failed, what it was.
    ReplaceProblem problem() const { return m_problem; }

    // Whether a file was at the path when the lock was taken.
    bool existed() const { return m_existed; }

    // Appends to the new content; false (and the problem set) when the system refused.
    bool write(QByteArrayView bytes);

    // Puts the new content in place of the file; false when it could not (the file is then as it
    // was). Without a commit, the destructor throws the new content away.
    bool commit();

    // The file as it is under the lock: empty when there is none, nothing when it cannot be read
    // or holds more than `limit` bytes.
    std::optional<QByteArray> readExisting(qint64 limit);

    // The last byte of the file, nothing when it is empty or missing.
    std::optional<char> lastByte();

    // Adds the bytes at the end of the file itself instead of replacing it (the file is created
    // when missing): all of them, or, when the system refuses some (a full disk), none. For a
    // file whose readers pass over a line left unfinished by a crash.
    bool appendInPlace(QByteArrayView bytes);

    // Writes the bytes into a new file beside, named `stem` + `extension`, or `stem`-2 +
    // `extension`, -3…, the first name not taken: a file already there is never written over.
    // The name used, or nothing (and no file left) when it could not be written whole.
    std::optional<QString> createBeside(const QString &stem,
                                        const QString &extension,
                                        QByteArrayView bytes);

private:
    bool fail(ReplaceProblem problem);
    void removeLeftovers();
    bool createTemporary();

    ReplaceProblem m_problem = ReplaceProblem::None;
    int m_folder = -1;
    int m_temporary = -1;
    bool m_locked = false;
    bool m_existed = false;
    unsigned m_mode = 0;
    QByteArray m_name;
    QByteArray m_temporaryName;
};

// The name of a temporary file of FileReplacement for the file named `name` (native bytes),
// with `suffix` as its six random characters.
QByteArray temporaryFileName(QByteArrayView name, QByteArrayView suffix);

// Whether `entry` is a temporary file that FileReplacement made for the file named `name`.
bool isTemporaryFileOf(QByteArrayView entry, QByteArrayView name);

} // namespace zorv
