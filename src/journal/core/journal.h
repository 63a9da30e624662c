#pragma once

#include "journal/core/journal_entry.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

namespace zorv::journal {

// How much a journal keeps: the newest `capacity` entries, its file rewritten to them once it has
// grown past capacity + slack lines.
struct JournalLimits
{
    qsizetype capacity = 10000;
    qsizetype slack = 1000;
};

// The calculations of the user, kept in a file (journal_csv.h) across runs and shared by every
// ZORV running on it (journal_file.h).
//
// Recording must never slow a calculation down: an entry is added in memory and its line
// appended to the file; the whole file is rewritten only after a deletion or a clear, and, a
// moment after the calculation, when the file has grown past capacity + slack lines or was found
// damaged. Each rewrite applies this journal's own change to the file as another ZORV may have
// left it; what this journal shows is then the file's content. An entry that could not be written
// (a full disk) waits in memory and goes with the next write.
//
// What the journal cannot do (read its file, write it, or read some of its lines) never stops the
// calculations: it is told once per kind, in French, by problemFound, for the windows to show,
// and the journal goes on in memory. A file that exists but cannot be read is never written over;
// a damaged file is rewritten only once its damaged lines are safe in a copy.
class Journal : public QObject
{
    Q_OBJECT

public:
    static constexpr qsizetype Capacity = JournalLimits{}.capacity;
    static constexpr qsizetype Slack = JournalLimits{}.slack;

    // Reads nothing yet: the file is read at the first use, or by load(). An empty path gives a
    // journal in memory only.
    explicit Journal(const QString &filePath, QObject *parent = nullptr);
    Journal(const QString &filePath, JournalLimits limits, QObject *parent = nullptr);
    ~Journal() override;

    QString filePath() const { return m_path; }

    // Reads the file, if it has not been read.
    void load();

    // Oldest first.
    const QList<Entry> &entries();

    // Adds an entry as the newest (as its line reads back: see readableEntry); the oldest goes
    // when there are more than the capacity.
    void append(const Entry &entry);
    void remove(qsizetype index);
    void clear();

    // Writes the entries to a file in the journal's format, replacing it whole; the French reason
    // when it cannot, empty when written.
    QString exportTo(const QString &path);

    // Writes now what waits to be written.
    void flush();

    // The expressions given to the equation engine, newest first, a repeat of the one before
    // given once.
    QStringList engineExpressions();

signals:
    void entryAppended();               // at the end of entries()
    void entryRemoved(qsizetype index); // from entries(), after the removal
    void entriesReset();
    // What the journal could not do, for the user; once per kind of problem.
    void problemFound(const QString &text);

private:
    enum class Problem {
        Read,
        Damage,
        Write
    };

    void readFile();
    void writeUnwritten();
    void rewrite();
    void rewriteSoon();
    void show(const QList<Entry> &fileEntries);
    void keepCapacity();
    void tellDamage(int damagedLines, qsizetype kept, const QString &outcome);
    void tellUnreadable(const QString &why);
    void tellUnwritable();
    void tell(Problem problem, const QString &text);

    bool rewriteWaits() const { return m_rewriteWanted || !m_removed.isEmpty(); }

    QString m_path;
    JournalLimits m_limits;
    QList<Entry> m_entries;
    bool m_loaded = false;
    bool m_untouchable;           // not to be written during this run
    bool m_rewriteWanted = false; // grown past its slack, or damaged
    int m_damagedAtLoad = 0;
    QList<Entry> m_removed; // deleted here, maybe still in the file
    // In the file but no longer shown, to keep the capacity: a clear takes them too.
    QList<Entry> m_letGo;
    QList<Entry> m_unwritten;  // recorded here, not yet in the file
    qsizetype m_fileLines = 0; // lines in the file as far as this journal knows
    QTimer m_rewriteTimer;
    QSet<Problem> m_told;
};

// The journal into which the windows record, if any: the program installs its own; without one
// (command-line tools, tests of other windows) nothing is recorded.
Journal *installedJournal();

// Installs a journal for the lifetime of the scope.
class JournalScope
{
public:
    explicit JournalScope(Journal &journal);
    ~JournalScope();
    JournalScope(const JournalScope &) = delete;
    JournalScope &operator=(const JournalScope &) = delete;

private:
    Journal *m_previous;
};

// Adds the entry to the installed journal, if any.
void record(const Entry &entry);

// The journal's file: journal.csv beside the settings file, wherever that lives.
QString journalFilePath();

} // namespace zorv::journal
