// Test helper: one ZORV's journal on FILE, with a capacity of 40 entries and a slack of 10, so
// that it compacts often. It records COUNT evaluations whose expressions are ID-0, ID-1, …, and,
// chosen by SEED, deletes a random entry now and then and clears the journal once in a while.
// It prints each expression it took out itself: "D expr" for a deletion, "C expr" for each entry
// a clear took. test_journal_shared runs two of them on one file. What the journal tells goes to
// standard error: on a loaded machine a write may find the lock taken past its patience, and the
// entry waits for the next write, which the test's count of the file checks.

#include "journal/core/journal.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;
using namespace zorv::journal;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 5) {
        std::fputs("usage: journal_writer FILE ID COUNT SEED\n", stderr);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString id = QString::fromLocal8Bit(argv[2]);
    const int count = std::atoi(argv[3]);
    QRandomGenerator random(quint32(std::atoll(argv[4])));
    Journal journal(path, JournalLimits{40, 10});
    QObject::connect(&journal, &Journal::problemFound, [](const QString &text) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    for (int n = 0; n < count; ++n) {
        Entry entry = engineEntry(u"%1-%2"_s.arg(id).arg(n));
        entry.setResult(n);
        journal.append(entry);
        const int dice = random.bounded(100);
        if (dice < 10 && !journal.entries().isEmpty()) {
            const qsizetype index = random.bounded(int(journal.entries().size()));
            std::printf("D %s\n", qPrintable(journal.entries()[index].expression));
            journal.remove(index);
        } else if (dice == 10) {
            for (const Entry &known : journal.entries())
                std::printf("C %s\n", qPrintable(known.expression));
            journal.clear();
        }
        QCoreApplication::processEvents(); // the compactions
    }
    journal.flush();
    return 0;
}
