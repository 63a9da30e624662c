// Two ZORVs recording into one journal, each deleting, clearing and compacting the file while
// the other appends, lose none of each other's entries and write one header.

#include "journal/core/journal_csv.h"
#include "support/temp_app_dir.h"

#include <QHash>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace zorv;
using namespace zorv::journal;

class JournalSharedTest : public QObject
{
    Q_OBJECT

private slots:
    void twoWritersLoseNoEntry_data();
    void twoWritersLoseNoEntry();
};

void JournalSharedTest::twoWritersLoseNoEntry_data()
{
    QTest::addColumn<int>("seed");
    for (int seed = 1; seed <= 6; ++seed)
        QTest::addRow("seed %d", seed) << seed;
}

void JournalSharedTest::twoWritersLoseNoEntry()
{
    QFETCH(int, seed);
    constexpr int Count = 300;
    const QStringList ids{u"A"_s, u"B"_s};
    QTemporaryDir dir;
    const QString path = dir.filePath(u"journal.csv"_s);
    QProcess writers[2];
    for (int i = 0; i < 2; ++i)
        writers[i].start(QString::fromUtf8(ZORV_JOURNAL_WRITER),
                         {path, ids[i], QString::number(Count), QString::number(seed * 2 + i)});
    QSet<QString> takenOut;
    QByteArray told;
    for (QProcess &writer : writers) {
        QVERIFY(writer.waitForFinished(120000));
        QCOMPARE(writer.exitCode(), 0);
        told += writer.readAllStandardError();
        for (const QByteArray &line : writer.readAllStandardOutput().split('\n')) {
            if (!line.isEmpty())
                takenOut.insert(QString::fromUtf8(line.mid(2)));
        }
    }

    const ParsedFile file = parseFile(test::readFile(path));
    QVERIFY(file.canonical); // one header, no torn or interleaved line
    QCOMPARE(file.damagedLines, QList<int>());
    QHash<QString, QList<int>> kept; // the numbers of each writer's entries in the file
    QSet<QString> seen;
    for (const Entry &entry : file.entries) {
        QVERIFY2(!seen.contains(entry.expression), qPrintable(entry.expression));
        seen.insert(entry.expression);
        QVERIFY2(!takenOut.contains(entry.expression), qPrintable(entry.expression));
        const QStringList parts = entry.expression.split(u'-');
        kept[parts[0]].append(parts[1].toInt());
    }
    // Besides the entries taken out, only compactions and clears take entries, and always the
    // oldest: an entry missing is older than every entry kept of the same writer.
    int lost = 0;
    for (const QString &id : ids) {
        const QList<int> &numbers = kept.value(id);
        const int oldestKept = numbers.isEmpty()
                                   ? Count
                                   : *std::min_element(numbers.begin(), numbers.end());
        for (int n = oldestKept; n < Count; ++n) {
            const QString expression = id + u'-' + QString::number(n);
            if (!seen.contains(expression) && !takenOut.contains(expression)) {
                qWarning("lost: %s", qPrintable(expression));
                ++lost;
            }
        }
    }
    QVERIFY2(lost == 0, told.constData());
}

QTEST_GUILESS_MAIN(JournalSharedTest)
#include "test_journal_shared.moc"
