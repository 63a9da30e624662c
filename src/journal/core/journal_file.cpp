#include "journal/core/journal_file.h"

#include "journal/core/journal_csv.h"
#include "platform/file_replace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

using namespace Qt::StringLiterals;

namespace zorv::journal {
namespace {

const QString UnreadableBySystem = u"le système en refuse la lecture"_s;

QString tooLarge()
{
    return u"il dépasse %1 Mo"_s.arg(MaxJournalFileSize >> 20);
}

// The lock on the file's folder; a missing folder is made first, as the first line of a
// journal needs it.
std::unique_ptr<FileReplacement> lockFile(const QString &path)
{
    auto file = std::make_unique<FileReplacement>(path);
    if (file->problem() == ReplaceProblem::MissingFolder
        && QDir().mkpath(QFileInfo(path).absolutePath()))
        file = std::make_unique<FileReplacement>(path);
    return file;
}

// The file's lines once the change is applied.
QList<Entry> changed(const QList<Entry> &inFile, const FileChange &change)
{
    QHash<QByteArray, int> toRemove;
    for (const Entry &entry : change.removed)
        ++toRemove[recordLine(entry)];
    QList<Entry> kept;
    kept.reserve(inFile.size() + change.appended.size());
    for (const Entry &entry : inFile) {
        const auto found = toRemove.find(recordLine(entry));
        if (found != toRemove.end() && *found > 0)
            --*found;
        else
            kept.append(entry);
    }
    for (const Entry &entry : change.appended)
        kept.append(entry);
    if (kept.size() > change.capacity)
        kept.remove(0, kept.size() - change.capacity);
    return kept;
}

} // namespace

FileContent readJournalFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    if (!info.isFile())
        return {QByteArray(), u"ce n'est pas un fichier"_s};
    if (info.size() > MaxJournalFileSize)
        return {QByteArray(), tooLarge()};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QByteArray(), UnreadableBySystem};
    FileContent content{file.readAll(), QString()};
    if (file.error() != QFileDevice::NoError)
        return {QByteArray(), UnreadableBySystem};
    return content;
}

FileOutcome appendEntries(const QString &path, const QList<Entry> &entries)
{
    const std::unique_ptr<FileReplacement> file = lockFile(path);
    if (file->problem() != ReplaceProblem::None)
        return FileOutcome::Unwritable;
    QByteArray bytes;
    const std::optional<char> last = file->lastByte();
    if (!last)
        bytes = fileHeader();
    else if (*last != '\n')
        bytes = "\r\n"; // a line cut by a crash stays a line of its own, not the start of ours
    for (const Entry &entry : entries)
        bytes += recordLine(entry);
    return file->appendInPlace(bytes) ? FileOutcome::Written : FileOutcome::Unwritable;
}

RewriteResult rewriteFile(const QString &path, const FileChange &change)
{
    RewriteResult result;
    const std::unique_ptr<FileReplacement> file = lockFile(path);
    if (file->problem() == ReplaceProblem::NotAFile) {
        result.outcome = FileOutcome::Unreadable;
        result.unreadable = u"ce n'est pas un fichier"_s;
        return result;
    }
    const std::optional<QByteArray> bytes = file->readExisting(MaxJournalFileSize);
    if (file->problem() == ReplaceProblem::None && !bytes) {
        result.outcome = FileOutcome::Unreadable;
        result.unreadable = QFileInfo(path).size() > MaxJournalFileSize ? tooLarge()
                                                                        : UnreadableBySystem;
        return result;
    }
    if (!bytes) {
        result.outcome = FileOutcome::Unwritable;
        return result;
    }
    const ParsedFile parsed = parseFile(*bytes);
    result.damagedLines = int(parsed.damagedLines.size());
    if (result.damagedLines > 0) {
        const QFileInfo info(path);
        const std::optional<QString> copy = file->createBeside(info.completeBaseName()
                                                                   + u"-avant-reparation"_s,
                                                               u".csv"_s,
                                                               *bytes);
        if (!copy) {
            result.outcome = FileOutcome::CopyFailed;
            return result;
        }
        result.copyName = *copy;
    }
    result.entries = changed(parsed.entries, change);
    const QByteArray updated = fileBytes(result.entries);
    if (file->existed() && updated == *bytes)
        return result;
    if (!file->write(updated) || !file->commit())
        result.outcome = FileOutcome::Unwritable;
    return result;
}

} // namespace zorv::journal
