#include "journal/core/journal.h"

#include "journal/core/journal_csv.h"
#include "journal/core/journal_file.h"
#include "platform/file_replace.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace zorv::journal {
namespace {

Journal *current = nullptr;

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString linesText(qsizetype count, const QString &one, const QString &many)
{
    return count == 1 ? one : many.arg(count);
}

} // namespace

Journal::Journal(const QString &filePath, QObject *parent)
    : Journal(filePath, JournalLimits{}, parent)
{}

Journal::Journal(const QString &filePath, JournalLimits limits, QObject *parent)
    : QObject(parent)
    , m_path(filePath)
    , m_limits(limits)
    // Without a file, the journal lives in memory only.
    , m_untouchable(filePath.isEmpty())
{
    m_rewriteTimer.setSingleShot(true);
    m_rewriteTimer.setInterval(0);
    connect(&m_rewriteTimer, &QTimer::timeout, this, &Journal::rewrite);
}

Journal::~Journal()
{
    flush();
    if (current == this)
        current = nullptr;
}

void Journal::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    if (!m_untouchable)
        readFile();
    emit entriesReset();
}

void Journal::readFile()
{
    const FileContent content = readJournalFile(m_path);
    if (!content.unreadable.isEmpty()) {
        m_untouchable = true;
        tellUnreadable(content.unreadable);
        return;
    }
    if (content.bytes.isEmpty() && !QFileInfo::exists(m_path))
        return; // nothing recorded yet: the first line creates the file
    const ParsedFile parsed = parseFile(content.bytes);
    m_fileLines = parsed.entries.size();
    m_entries = parsed.entries;
    keepCapacity();
    m_damagedAtLoad = int(parsed.damagedLines.size());
    // The repair is told when it is done, under the lock: another ZORV may have been writing the
    // line that looked damaged.
    if (!parsed.canonical || m_fileLines > m_limits.capacity) {
        m_rewriteWanted = true;
        rewriteSoon();
    }
}

const QList<Entry> &Journal::entries()
{
    load();
    return m_entries;
}

void Journal::append(const Entry &entry)
{
    load();
    const Entry readable = readableEntry(entry);
    if (m_entries.size() >= m_limits.capacity) {
        const Entry oldest = m_entries.takeFirst();
        if (!m_untouchable && !m_unwritten.removeOne(oldest))
            m_letGo.append(oldest);
        emit entryRemoved(0);
    }
    m_entries.append(readable);
    emit entryAppended();
    if (m_untouchable)
        return;
    m_unwritten.append(readable);
    writeUnwritten();
    if (m_fileLines >= m_limits.capacity + m_limits.slack)
        m_rewriteWanted = true;
    if (rewriteWaits())
        rewriteSoon();
}

void Journal::writeUnwritten()
{
    if (appendEntries(m_path, m_unwritten) == FileOutcome::Written) {
        m_fileLines += m_unwritten.size();
        m_unwritten.clear();
        return;
    }
    tellUnwritable();
}

void Journal::remove(qsizetype index)
{
    load();
    if (index < 0 || index >= m_entries.size())
        return;
    const Entry removed = m_entries.takeAt(index);
    emit entryRemoved(index);
    if (m_untouchable)
        return;
    if (!m_unwritten.removeOne(removed))
        m_removed.append(removed);
    rewrite();
}

void Journal::clear()
{
    load();
    for (const Entry &entry : std::as_const(m_entries)) {
        if (!m_unwritten.removeOne(entry))
            m_removed.append(entry);
    }
    m_removed.append(m_letGo);
    m_letGo.clear();
    m_entries.clear();
    emit entriesReset();
    if (m_untouchable) {
        m_removed.clear();
        return;
    }
    rewrite();
}

void Journal::rewriteSoon()
{
    if (!m_rewriteTimer.isActive())
        m_rewriteTimer.start();
}

void Journal::rewrite()
{
    m_rewriteTimer.stop();
    if (m_untouchable || !m_loaded || (!rewriteWaits() && m_unwritten.isEmpty()))
        return;
    const RewriteResult result = rewriteFile(m_path, {m_removed, m_unwritten, m_limits.capacity});
    switch (result.outcome) {
    case FileOutcome::Written:
        if (result.damagedLines > 0)
            tellDamage(result.damagedLines,
                       result.entries.size(),
                       u"\nLe fichier tel qu'il était est copié dans « %1 »."_s.arg(
                           nativePath(QFileInfo(m_path).dir().filePath(result.copyName))));
        m_removed.clear();
        m_unwritten.clear();
        m_rewriteWanted = false;
        m_fileLines = result.entries.size();
        show(result.entries);
        return;
    case FileOutcome::CopyFailed:
        // Retried with the next deletion, never in a loop.
        m_rewriteWanted = false;
        tellDamage(result.damagedLines,
                   m_entries.size(),
                   u"\nElles ne peuvent pas être mises de côté dans une copie (le disque est "
                   u"peut-être plein) : le journal est laissé tel quel, sans réparation."_s);
        return;
    case FileOutcome::Unreadable:
        m_untouchable = true;
        tellUnreadable(result.unreadable);
        return;
    case FileOutcome::Unwritable:
        m_rewriteWanted = false;
        if (m_damagedAtLoad > 0)
            tellDamage(m_damagedAtLoad, m_entries.size(), u"\nLe fichier est laissé tel quel."_s);
        tellUnwritable();
        return;
    }
}

// What the file holds after a rewrite, which may include the entries of another ZORV.
void Journal::show(const QList<Entry> &fileEntries)
{
    m_letGo.clear();
    if (fileEntries == m_entries)
        return;
    m_entries = fileEntries;
    keepCapacity();
    emit entriesReset();
}

void Journal::keepCapacity()
{
    const qsizetype over = m_entries.size() - m_limits.capacity;
    if (over <= 0)
        return;
    m_letGo = m_entries.first(over);
    m_entries.remove(0, over);
}

void Journal::flush()
{
    if (!m_loaded || m_untouchable)
        return;
    if (rewriteWaits())
        rewrite();
    else if (!m_unwritten.isEmpty())
        writeUnwritten();
}

QString Journal::exportTo(const QString &path)
{
    load();
    FileReplacement file(path);
    if (file.write(fileBytes(m_entries)) && file.commit())
        return QString();
    return u"Le fichier « %1 » ne peut pas être écrit."_s.arg(nativePath(path));
}

QStringList Journal::engineExpressions()
{
    load();
    QStringList expressions;
    for (auto it = m_entries.crbegin(); it != m_entries.crend(); ++it) {
        if (it->fromEngine() && (expressions.isEmpty() || expressions.last() != it->expression))
            expressions.append(it->expression);
    }
    return expressions;
}

void Journal::tellDamage(int damagedLines, qsizetype kept, const QString &outcome)
{
    QString text = damagedLines == 1
                       ? u"Une ligne abîmée du journal des calculs « %1 » a été laissée de côté"_s
                             .arg(nativePath(m_path))
                       : u"%1 lignes abîmées du journal des calculs « %2 » ont été laissées de "
                         u"côté"_s.arg(QString::number(damagedLines), nativePath(m_path));
    text += linesText(kept,
                      u" ; le calcul lisible est gardé."_s,
                      u" ; les %1 calculs lisibles sont gardés."_s);
    tell(Problem::Damage, text + outcome);
}

void Journal::tellUnreadable(const QString &why)
{
    tell(Problem::Read,
         u"Le journal des calculs « %1 » ne peut pas être lu : %2. ZORV le laisse tel quel ; "
         u"les calculs de cette session ne seront gardés que jusqu'à sa fermeture."_s
             .arg(nativePath(m_path), why));
}

void Journal::tellUnwritable()
{
    tell(Problem::Write,
         u"Le journal des calculs ne peut pas être enregistré dans « %1 ». Les calculs de cette "
         u"session y restent jusqu'à la fermeture de ZORV ; exportez-les si vous voulez les "
         u"garder."_s.arg(nativePath(m_path)));
}

void Journal::tell(Problem problem, const QString &text)
{
    if (m_told.contains(problem))
        return;
    m_told.insert(problem);
    emit problemFound(text);
}

Journal *installedJournal()
{
    return current;
}

JournalScope::JournalScope(Journal &journal)
    : m_previous(current)
{
    current = &journal;
}

JournalScope::~JournalScope()
{
    current = m_previous;
}

void record(const Entry &entry)
{
    if (current)
        current->append(entry);
}

} // namespace zorv::journal
