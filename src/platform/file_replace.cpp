#include "platform/file_replace.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorv {
namespace {

constexpr qsizetype MaxNameBytes = 255;
constexpr QByteArrayView TemporaryEnd = ".tmp";
constexpr qsizetype SuffixLength = 6;
// "." + stem + "." + suffix + ".tmp" fits in MaxNameBytes.
constexpr qsizetype MaxStemBytes = MaxNameBytes - 2 - SuffixLength - TemporaryEnd.size();
constexpr qsizetype HashedStemBytes = MaxStemBytes - 17; // room for "~" and 16 hex digits

bool isSuffixCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The name itself when it fits; otherwise its start, not cut inside a UTF-8 sequence, and a hash
// of the whole name, so that two long names with the same start keep apart.
QByteArray stemOf(QByteArrayView name)
{
    if (name.size() <= MaxStemBytes)
        return name.toByteArray();
    qsizetype cut = HashedStemBytes;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
        --cut;
    quint64 hash = 14695981039346656037ull;
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return name.first(cut).toByteArray() + '~'
           + QByteArray::number(hash, 16).rightJustified(16, '0');
}

bool carriesWriteMark(const struct stat &st)
{
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

qint64 monotonicMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}

// Opens the folder of `path` and finds the name in it.
ReplaceProblem openFolder(const QString &path, int &folder, QByteArray &name)
{
    const QFileInfo info(path);
    name = QFile::encodeName(info.fileName());
    if (name.isEmpty() || name == "." || name == "..")
        return ReplaceProblem::NotAFile;
    folder = ::open(QFile::encodeName(info.absolutePath()), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return ReplaceProblem::MissingFolder;
    struct stat st;
    if (::fstat(folder, &st) != 0)
        return ReplaceProblem::MissingFolder;
    if (!carriesWriteMark(st) || ::faccessat(folder, ".", W_OK, 0) != 0)
        return ReplaceProblem::ReadOnlyFolder;
    return ReplaceProblem::None;
}

ReplaceProblem checkTarget(int folder, const QByteArray &name, struct stat &st, bool &exists)
{
    exists = ::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
    if (!exists)
        return errno == ENOENT ? ReplaceProblem::None : ReplaceProblem::Failed;
    if (S_ISLNK(st.st_mode))
        return ReplaceProblem::Link;
    if (!S_ISREG(st.st_mode))
        return ReplaceProblem::NotAFile;
    if (!carriesWriteMark(st) || ::faccessat(folder, name.constData(), W_OK, 0) != 0)
        return ReplaceProblem::ReadOnlyFile;
    return ReplaceProblem::None;
}

enum class Lock {
    Taken,
    Unsupported,
    TimedOut
};

Lock lockFolder(int folder)
{
    const qint64 deadline = monotonicMs() + FileReplacement::LockTimeoutMs;
    for (;;) {
        if (::flock(folder, LOCK_EX | LOCK_NB) == 0)
            return Lock::Taken;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return Lock::Unsupported;
        if (monotonicMs() >= deadline)
            return Lock::TimedOut;
        ::usleep(2000);
    }
}

// Writes all the bytes at the descriptor's position; false at the first refusal.
bool writeAll(int fd, QByteArrayView bytes)
{
    const char *data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

QByteArray temporaryFileName(QByteArrayView name, QByteArrayView suffix)
{
    return '.' + stemOf(name) + '.' + suffix.toByteArray() + TemporaryEnd.toByteArray();
}

bool isTemporaryFileOf(QByteArrayView entry, QByteArrayView name)
{
    const QByteArray start = '.' + stemOf(name) + '.';
    if (entry.size() != start.size() + SuffixLength + TemporaryEnd.size()
        || !entry.startsWith(start) || !entry.endsWith(TemporaryEnd))
        return false;
    const QByteArrayView suffix = entry.sliced(start.size(), SuffixLength);
    return std::all_of(suffix.begin(), suffix.end(), isSuffixCharacter);
}

ReplaceProblem replaceProblem(const QString &path)
{
    int folder = -1;
    QByteArray name;
    ReplaceProblem problem = openFolder(path, folder, name);
    if (problem == ReplaceProblem::None) {
        struct stat st;
        bool exists = false;
        problem = checkTarget(folder, name, st, exists);
    }
    if (folder >= 0)
        ::close(folder);
    return problem;
}

FileReplacement::FileReplacement(const QString &path)
{
    if (fail(openFolder(path, m_folder, m_name)))
        return;
    switch (lockFolder(m_folder)) {
    case Lock::TimedOut:
        fail(ReplaceProblem::Busy);
        return;
    case Lock::Taken:
        m_locked = true;
        break;
    case Lock::Unsupported:
        break;
    }
    struct stat st;
    if (fail(checkTarget(m_folder, m_name, st, m_existed)))
        return;
    m_mode = m_existed ? unsigned(st.st_mode & 07777) : 0;
    // Without the lock, a leftover might be another writer's file in the making.
    if (m_locked)
        removeLeftovers();
}

FileReplacement::~FileReplacement()
{
    if (m_temporary >= 0) {
        ::close(m_temporary);
        ::unlinkat(m_folder, m_temporaryName.constData(), 0);
    }
    if (m_folder >= 0)
        ::close(m_folder); // releases the lock
}

bool FileReplacement::fail(ReplaceProblem problem)
{
    if (m_problem == ReplaceProblem::None)
        m_problem = problem;
    return problem != ReplaceProblem::None;
}

void FileReplacement::removeLeftovers()
{
    const int listing = ::dup(m_folder);
    DIR *dir = listing < 0 ? nullptr : ::fdopendir(listing);
    if (!dir) {
        if (listing >= 0)
            ::close(listing);
        return;
    }
    while (const dirent *entry = ::readdir(dir)) {
        if (isTemporaryFileOf(entry->d_name, m_name))
            ::unlinkat(m_folder, entry->d_name, 0);
    }
    ::closedir(dir);
}

bool FileReplacement::createTemporary()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray suffix(SuffixLength, Qt::Uninitialized);
        for (char &c : suffix) {
            constexpr char Alphabet[]
                = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
            c = Alphabet[QRandomGenerator::global()->bounded(int(sizeof Alphabet - 1))];
        }
        m_temporaryName = temporaryFileName(m_name, suffix);
        m_temporary = ::openat(m_folder,
                               m_temporaryName.constData(),
                               O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                               0666);
        if (m_temporary >= 0) {
            if (m_existed)
                ::fchmod(m_temporary, m_mode);
            return true;
        }
        if (errno != EEXIST)
            break;
    }
    return !fail(ReplaceProblem::Failed);
}

bool FileReplacement::write(QByteArrayView bytes)
{
    if (m_problem != ReplaceProblem::None || (m_temporary < 0 && !createTemporary()))
        return false;
    return writeAll(m_temporary, bytes) || !fail(ReplaceProblem::Failed);
}

bool FileReplacement::commit()
{
    if (m_problem != ReplaceProblem::None || (m_temporary < 0 && !createTemporary()))
        return false;
    const bool synced = ::fsync(m_temporary) == 0 || errno == EINVAL;
    const bool closed = ::close(m_temporary) == 0;
    m_temporary = -1;
    if (!synced || !closed
        || ::renameat(m_folder, m_temporaryName.constData(), m_folder, m_name.constData()) != 0) {
        ::unlinkat(m_folder, m_temporaryName.constData(), 0);
        return !fail(ReplaceProblem::Failed);
    }
    // The new name itself must reach the disk before the write counts as done.
    ::fsync(m_folder);
    return true;
}

std::optional<QByteArray> FileReplacement::readExisting(qint64 limit)
{
    if (m_problem != ReplaceProblem::None)
        return std::nullopt;
    if (!m_existed)
        return QByteArray();
    const int fd = ::openat(m_folder, m_name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QByteArray bytes;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0 || bytes.size() + n > limit) {
            ::close(fd);
            if (n == 0)
                return bytes;
            return std::nullopt;
        }
        bytes.append(buffer, n);
    }
}

std::optional<char> FileReplacement::lastByte()
{
    if (m_problem != ReplaceProblem::None || !m_existed)
        return std::nullopt;
    const int fd = ::openat(m_folder, m_name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st;
    char last = 0;
    const bool read = ::fstat(fd, &st) == 0 && st.st_size > 0
                      && ::pread(fd, &last, 1, st.st_size - 1) == 1;
    ::close(fd);
    return read ? std::optional<char>(last) : std::nullopt;
}

bool FileReplacement::appendInPlace(QByteArrayView bytes)
{
    if (m_problem != ReplaceProblem::None)
        return false;
    const int fd = ::openat(m_folder,
                            m_name.constData(),
                            O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC,
                            0666);
    if (fd < 0)
        return !fail(ReplaceProblem::Failed);
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return !fail(ReplaceProblem::Failed);
    }
    const bool written = writeAll(fd, bytes);
    if (!written) {
        // What went in of a refused append goes again: a reader must never see half of it.
        if (!m_existed && st.st_size == 0)
            ::unlinkat(m_folder, m_name.constData(), 0);
        else [[maybe_unused]]
            const int undone = ::ftruncate(fd, st.st_size);
    }
    const bool closed = ::close(fd) == 0;
    if (written && closed) {
        m_existed = true;
        return true;
    }
    return !fail(ReplaceProblem::Failed);
}

std::optional<QString> FileReplacement::createBeside(const QString &stem,
                                                     const QString &extension,
                                                     QByteArrayView bytes)
{
    if (m_folder < 0)
        return std::nullopt;
    constexpr int MaxNumber = 1000;
    for (int number = 1; number <= MaxNumber; ++number) {
        const QString name = (number == 1 ? stem : stem + u'-' + QString::number(number))
                             + extension;
        const QByteArray nativeName = QFile::encodeName(name);
        const int fd = ::openat(m_folder,
                                nativeName.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return std::nullopt;
        const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
        if (::close(fd) == 0 && written)
            return name;
        ::unlinkat(m_folder, nativeName.constData(), 0);
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace zorv
