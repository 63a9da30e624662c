#pragma once

#include "journal/core/journal_entry.h"
#include "platform/hook.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

namespace zorv::journal {

// The calculations of the user, kept in a file (journal_csv.h) across runs: the newest Capacity
// entries.
//
// Recording must never slow a calculation down: an entry is added in memory and its line
// appended to the file; the whole file is rewritten (atomically, through a temporary file) only
// after a deletion, and, a moment after the calculation, when the file has grown past
// Capacity + Slack lines or was found damaged. A crash during an append leaves at most a damaged
// last line, which the next run leaves out.
//
// What the journal cannot do (read its file, write it, or read some of its lines) never stops the
// calculations: it is told once per kind and per journal, in French, through the platform's
// message box, after the event that found it, and the journal goes on in memory. A file that
// exists but cannot be read is never written over.
class Journal : public QObject
{
    Q_OBJECT

public:
    static constexpr qsizetype Capacity = 10000;
    static constexpr qsizetype Slack = 1000;
    static constexpr qint64 MaxFileSize = qint64(64) << 20;

    // Reads nothing yet: the file is read at the first use, or by load(). An empty path gives a
    // journal in memory only.
    explicit Journal(const QString &filePath, QObject *parent = nullptr);
    ~Journal() override;

    QString filePath() const { return m_path; }

    // Reads the file, if it has not been read.
    void load();

    // Oldest first.
    const QList<Entry> &entries();

    // Adds an entry as the newest; the oldest goes when there are more than Capacity.
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

private:
    enum class FileState {
        InSync,     // the file is the header and m_fileLines lines ending with those of entries()
        Stale,      // to be rewritten
        Untouchable // not to be written during this run
    };
    enum class Problem {
        Read,
        Damage,
        Write
    };

    void readFile();
    void keepCopyOfDamagedFile(int damagedLines);
    bool appendLine(const Entry &entry);
    void rewrite();
    void scheduleRewrite();
    void tell(Problem problem, const QString &text);

    QString m_path;
    QList<Entry> m_entries;
    bool m_loaded = false;
    FileState m_state = FileState::InSync;
    qsizetype m_fileLines = 0;
    QTimer m_rewriteTimer;
    QSet<Problem> m_told;
};

// The journal into which the windows record, if any: the program installs its own; without one
// (command-line tools, tests of other windows) nothing is recorded.
inline Journal *installedJournal()
{
    return Installed<Journal>::get();
}

// Installs a journal for the lifetime of the scope.
using JournalScope = InstalledScope<Journal>;

// Adds the entry to the installed journal, if any.
void record(const Entry &entry);

// The journal's file: journal.csv beside the settings file, wherever that lives.
QString journalFilePath();

} // namespace zorv::journal
