#include "settings/core/profile_store.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace zorv::settings {
namespace {

// Above these, the files used longest ago are forgotten (they are parsed again when read).
constexpr qint64 CacheByteBudget = qint64(64) << 20;
constexpr qsizetype CacheFileBudget = 2048;

// The clock tick of a file system with nanosecond stamps is at most 10 ms; second-counting ones
// (FAT counts in steps of two seconds) get three.
constexpr qint64 FineMarginNs = 50'000'000;
constexpr qint64 CoarseMarginNs = 3'000'000'000;

qint64 nanoseconds(const timespec &t)
{
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

qint64 wallClockNs()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return nanoseconds(now);
}

FileStamp stampOf(const struct stat &st)
{
    return {quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size), st.st_mtim, st.st_ctim};
}

bool isRegularProfile(const struct stat &st)
{
    return S_ISREG(st.st_mode) && st.st_size <= MaxProfileFileSize;
}

struct Loaded
{
    QByteArray bytes;
    FileStamp stamp;
    qint64 readTime = 0;
};

// Reads the whole file. The stamp is taken from the open file before reading, and the time before
// opening it, so that a change made while it is read shows as a newer stamp or as racy.
std::optional<Loaded> load(const QByteArray &nativePath)
{
    Loaded loaded;
    loaded.readTime = wallClockNs();
    // Non-blocking, so that a named pipe at the path does not wait for a writer.
    const int fd = ::open(nativePath, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !isRegularProfile(st)) {
        ::close(fd);
        return std::nullopt;
    }
    loaded.stamp = stampOf(st);
    loaded.bytes.resize(qsizetype(st.st_size) + 1);
    qsizetype filled = 0;
    for (;;) {
        if (filled == loaded.bytes.size()) {
            if (filled > MaxProfileFileSize) {
                ::close(fd);
                return std::nullopt;
            }
            loaded.bytes.resize(filled * 2);
        }
        const ssize_t got = ::read(fd,
                                   loaded.bytes.data() + filled,
                                   size_t(loaded.bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0)
            break;
        filled += got;
    }
    ::close(fd);
    loaded.bytes.truncate(filled);
    return loaded;
}

struct Cached
{
    QByteArray nativePath;
    FileStamp stamp;
    bool racy = true;
    quint64 scopeMark = 0;
    quint64 lastUse = 0;
    std::unique_ptr<ProfileText> text;
};

class Store
{
public:
    const ProfileText *current(const QString &path, bool trustScope);
    void remember(const QString &path, QByteArray bytes, qint64 readTime);

    void readScopeOpened()
    {
        if (m_scopeDepth++ == 0)
            ++m_scopeGeneration;
    }

    void readScopeClosed() { --m_scopeDepth; }

    // After a write, every file is checked again even inside a scope: the write may have gone
    // through another path to one of them.
    void written() { ++m_scopeGeneration; }

private:
    Cached *entry(const QString &path);
    const ProfileText *settle(const QString &path, Cached &cached, Loaded loaded);
    void forget(const QString &path);
    void trim(const QString &keep);

    // Node-based, so that an entry stays where it is while others come and go.
    std::unordered_map<QString, Cached> m_entries;
    QString m_lastPath; // the path asked for last, and its entry: a run of reads asks for one file
    Cached *m_last = nullptr;
    std::unique_ptr<ProfileText> m_oversized; // a file too large to keep, until the next call
    qint64 m_bytes = 0;
    quint64 m_useClock = 0;
    int m_scopeDepth = 0;
    quint64 m_scopeGeneration = 1;
};

Store &store()
{
    static Store instance;
    return instance;
}

Cached *Store::entry(const QString &path)
{
    if (m_last && path == m_lastPath)
        return m_last;
    const auto it = m_entries.find(path);
    if (it == m_entries.end())
        return nullptr;
    m_lastPath = path;
    m_last = &it->second;
    return m_last;
}

const ProfileText *Store::current(const QString &path, bool trustScope)
{
    m_oversized.reset();
    Cached *cached = entry(path);
    if (cached) {
        cached->lastUse = ++m_useClock;
        if (trustScope && m_scopeDepth > 0 && cached->scopeMark == m_scopeGeneration)
            return cached->text.get();
    }
    const QByteArray nativePath = cached ? cached->nativePath : QFile::encodeName(path);
    struct stat st;
    if (nativePath.isEmpty() || ::stat(nativePath, &st) != 0 || !isRegularProfile(st)) {
        forget(path);
        return nullptr;
    }
    if (cached && !cached->racy && cached->stamp == stampOf(st)) {
        cached->scopeMark = m_scopeGeneration;
        return cached->text.get();
    }
    std::optional<Loaded> loaded = load(nativePath);
    if (!loaded) {
        forget(path);
        return nullptr;
    }
    if (!cached) {
        if (loaded->bytes.size() > CacheByteBudget) {
            m_oversized = std::make_unique<ProfileText>(std::move(loaded->bytes));
            return m_oversized.get();
        }
        cached = &m_entries[path];
        cached->nativePath = nativePath;
        cached->lastUse = ++m_useClock;
    }
    return settle(path, *cached, std::move(*loaded));
}

// Takes freshly read bytes into the entry; a file rewritten with the same bytes keeps its parse.
const ProfileText *Store::settle(const QString &path, Cached &cached, Loaded loaded)
{
    cached.stamp = loaded.stamp;
    cached.racy = isRacy(loaded.stamp, loaded.readTime);
    cached.scopeMark = m_scopeGeneration;
    if (cached.text && cached.text->bytes() == loaded.bytes)
        return cached.text.get();
    if (cached.text)
        m_bytes -= cached.text->bytes().size();
    m_bytes += loaded.bytes.size();
    cached.text = std::make_unique<ProfileText>(std::move(loaded.bytes));
    trim(path);
    return cached.text.get();
}

void Store::remember(const QString &path, QByteArray bytes, qint64 readTime)
{
    forget(path);
    const QByteArray nativePath = QFile::encodeName(path);
    struct stat st;
    if (bytes.size() > CacheByteBudget || ::stat(nativePath, &st) != 0)
        return;
    Cached &cached = m_entries[path];
    cached.nativePath = nativePath;
    cached.lastUse = ++m_useClock;
    // Someone else may have changed the file between the commit and the stat; taking the time
    // from before the write makes the entry racy, so the next read compares the bytes.
    settle(path, cached, Loaded{std::move(bytes), stampOf(st), readTime});
}

void Store::forget(const QString &path)
{
    const auto it = m_entries.find(path);
    if (it == m_entries.end())
        return;
    if (it->second.text)
        m_bytes -= it->second.text->bytes().size();
    if (m_last == &it->second)
        m_last = nullptr;
    m_entries.erase(it);
}

void Store::trim(const QString &keep)
{
    while (m_bytes > CacheByteBudget || m_entries.size() > CacheFileBudget) {
        auto oldest = m_entries.end();
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
            if (it->first != keep
                && (oldest == m_entries.end() || it->second.lastUse < oldest->second.lastUse))
                oldest = it;
        }
        if (oldest == m_entries.end())
            return;
        const QString path = oldest->first;
        forget(path);
    }
}

} // namespace

bool operator==(const FileStamp &a, const FileStamp &b)
{
    return a.device == b.device && a.inode == b.inode && a.size == b.size
           && nanoseconds(a.modified) == nanoseconds(b.modified)
           && nanoseconds(a.changed) == nanoseconds(b.changed);
}

bool isRacy(const FileStamp &stamp, qint64 readTimeNs)
{
    // The change time, unlike the modification time, cannot be set by a program: it is the
    // kernel's clock at the last change.
    const qint64 margin = stamp.changed.tv_nsec == 0 ? CoarseMarginNs : FineMarginNs;
    return nanoseconds(stamp.changed) + margin > readTimeNs;
}

const ProfileText *currentProfile(const QString &path)
{
    return store().current(path, true);
}

bool storeProfileValue(const QString &section,
                       const QString &key,
                       const QString &value,
                       const QString &path)
{
    if (path.isEmpty())
        return false;
    // Held to the end, so that a writer in another process neither reads the file before this
    // write is in place nor has its own update overwritten by it.
    FileReplacement replacement(path);
    if (replacement.problem() != ReplaceProblem::None)
        return false;

    const ProfileText empty{QByteArray()};
    // The file as it is now, not as a read scope last saw it: the write keeps everything else.
    const ProfileText *base = replacement.existed() ? store().current(path, false) : &empty;
    if (!base)
        return false;
    std::optional<QByteArray> updated = base->withValue(section, key, value);
    if (!updated || updated->size() > MaxProfileFileSize)
        return false;
    if (replacement.existed() && *updated == base->bytes())
        return true;

    const qint64 before = wallClockNs();
    if (!replacement.write(*updated) || !replacement.commit())
        return false;
    store().remember(path, std::move(*updated), before);
    store().written();
    return true;
}

ReplaceProblem profileFileProblem(const QString &path)
{
    return path.isEmpty() ? ReplaceProblem::NotAFile : replaceProblem(path);
}

qsizetype firstUnstorableCharacter(const QString &path, QStringView text)
{
    const ProfileText *file = currentProfile(path);
    return firstUnstorableCharacter(file ? file->encoding() : ProfileEncoding::Windows1252, text);
}

void openReadScope()
{
    store().readScopeOpened();
}

void closeReadScope()
{
    store().readScopeClosed();
}

} // namespace zorv::settings
