#include "journal/core/journal.h"
#include "journal/core/journal_csv.h"
#include "support/temp_app_dir.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace zorv;
using namespace zorv::journal;

Q_DECLARE_METATYPE(zorv::journal::Entry)

namespace {

Entry entryAt(int second)
{
    Entry entry = engineEntry(u"%1+1"_s.arg(second));
    entry.time = QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0)).addSecs(second);
    entry.setResult(second + 1);
    return entry;
}

Entry rcFilter()
{
    Entry entry = functionEntry(u"Fréquence de coupure d'un filtre RC"_s,
                                u"frequence_coupure_rc.zvfc"_s,
                                u"1000000/(2*PI*d1*d2)"_s,
                                {u"Résistance R (kOhm)"_s, u"Capacité C (nF)"_s, u"(Vide)"_s},
                                {u"10"_s, u"22"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s},
                                u"1000000/(2*PI*10*22)"_s);
    entry.time = QDateTime(QDate(2026, 12, 7), QTime(18, 50, 31));
    entry.setResult(723.431559508615);
    return entry;
}

Entry withUnits()
{
    Entry entry = rcFilter();
    entry.inputs[0].unit = u"kΩ"_s;
    entry.inputs[1].text = u"22n"_s;
    entry.inputs[1].unit = u"µF"_s;
    entry.resultUnit = u"Hz"_s;
    return entry;
}

QByteArray lines(const QList<QByteArray> &records)
{
    QByteArray bytes = fileHeader();
    for (const QByteArray &record : records)
        bytes += record + "\r\n";
    return bytes;
}

// A file system too small: no file of this process grows past `bytes` while the object lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_handler = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }

    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }

    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_previous{};
    void (*m_handler)(int) = nullptr;
};

QString randomText(QRandomGenerator &random)
{
    static const QStringList pieces{u""_s,
                                    u"a"_s,
                                    u";"_s,
                                    u"\""_s,
                                    u"'"_s,
                                    u"="_s,
                                    u"+"_s,
                                    u"-"_s,
                                    u"@"_s,
                                    u"\t"_s,
                                    u"\r"_s,
                                    u"\n"_s,
                                    u" "_s,
                                    u"é"_s,
                                    u"« »"_s,
                                    u"\u2028"_s,
                                    u"4k7"_s};
    QString text;
    for (int i = random.bounded(4); i > 0; --i)
        text += pieces[random.bounded(int(pieces.size()))];
    return text;
}

Entry randomEntry(QRandomGenerator &random)
{
    static const QList<QDateTime> times{QDateTime(),
                                        QDateTime(QDate(2026, 12, 7), QTime(10, 0, 5, 731)),
                                        QDateTime(QDate(12000, 1, 1), QTime(0, 0)),
                                        QDateTime(QDate(999, 3, 4), QTime(23, 59, 59))};
    static const QList<std::optional<double>> values{std::nullopt,
                                                     0.0,
                                                     -1.5e-20,
                                                     723.431559508615,
                                                     1e300,
                                                     5e-324,
                                                     std::numeric_limits<double>::infinity(),
                                                     std::numeric_limits<double>::quiet_NaN()};
    Entry entry;
    entry.time = times[random.bounded(int(times.size()))];
    entry.source = randomText(random);
    entry.functionFile = randomText(random);
    entry.expression = randomText(random);
    entry.value = values[random.bounded(int(values.size()))];
    entry.reason = randomText(random);
    for (int i = random.bounded(4); i > 0; --i)
        entry.inputs.append({random.bounded(0, 8), randomText(random), randomText(random)});
    return entry;
}

} // namespace

class JournalFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void roundTrip_data();
    void roundTrip();
    void lineAsASpreadsheetReadsIt();
    void fileWithoutUnitsIsReadAndRewritten();
    void damagedLinesAreLeftOut_data();
    void damagedLinesAreLeftOut();
    void everyLineWrittenReadsBack();
    void damagedFileIsToldKeptAsACopyAndRepaired();
    void repairThatCannotKeepACopyLeavesTheFile();
    void fullDiskWritesNoPartOfALine();
    void rewritesKeepPermissions_data();
    void rewritesKeepPermissions();
    void fullJournalKeepsTheNewest();
    void appendsWithoutRewriting();
    void unreadableFileIsNeverWrittenOver();
    void unwritableFolderIsToldOnce();
    void exportReadsBackInARealCsvReader();

private:
    std::unique_ptr<test::TempAppDir> m_dir;

    QString path() const { return m_dir->filePath(u"parametres/journal.csv"_s); }
};

void JournalFileTest::init()
{
    m_dir = std::make_unique<test::TempAppDir>();
}

void JournalFileTest::cleanup()
{
    m_dir.reset();
}

void JournalFileTest::roundTrip_data()
{
    QTest::addColumn<Entry>("entry");
    QTest::newRow("function with its inputs") << rcFilter();
    Entry refused = engineEntry(u"3/(1-1)"_s);
    refused.setRefusal(u"division par zéro"_s);
    QTest::newRow("refusal with its reason") << refused;
    Entry tiny = entryAt(0);
    tiny.setResult(-1.5e-20);
    QTest::newRow("negative value in exponent form") << tiny;
    Entry quoted = rcFilter();
    quoted.source = u"Gain « A » ; \"B\""_s;
    quoted.inputs[1].text = u"2;5"_s;
    QTest::newRow("separator and quotes inside texts") << quoted;
    Entry formulas = rcFilter();
    formulas.expression = u"-2*3"_s;
    formulas.inputs[0].text = u"=HYPERLINK(\"x\")"_s;
    formulas.inputs[1].text = u"'+1"_s;
    formulas.inputs[1].legend = u"'abc"_s;
    QTest::newRow("texts a spreadsheet would take for formulas") << formulas;
    QTest::newRow("units of the inputs and of the result") << withUnits();
    Entry sparse = rcFilter();
    sparse.inputs = {{2, u"2)"_s, QString()}, {6, u"Tension (V)"_s, u"12"_s}};
    QTest::newRow("inputs 2 and 6 only, one empty") << sparse;
}

void JournalFileTest::roundTrip()
{
    QFETCH(Entry, entry);
    const QList<Entry> written{entryAt(1), entry, entryAt(2)};
    const ParsedFile read = parseFile(fileBytes(written));
    QVERIFY(read.damagedLines.isEmpty());
    QVERIFY(read.canonical);
    QCOMPARE(read.entries, written);
}

void JournalFileTest::lineAsASpreadsheetReadsIt()
{
    QCOMPARE(recordLine(rcFilter()),
             "2026-12-07 18:50:31;Fréquence de coupure d'un filtre RC;frequence_coupure_rc.zvfc;"
             "1000000/(2*PI*10*22);723,431559508615;;Résistance R (kOhm);10;Capacité C (nF);22;"
             ";;;;;;;;;;;;;;\r\n"_ba);
    QVERIFY(fileHeader().startsWith("\xEF\xBB\xBF"
                                    "Date;Origine;"));
    QCOMPARE(
        lineText(rcFilter(), QLocale(QLocale::French, QLocale::France)),
        u"Fréquence de coupure d'un filtre RC : Résistance R (kOhm) = 10, Capacité C (nF) = 22 "
        u"→ 723,431559508615"_s);
}

void JournalFileTest::fileWithoutUnitsIsReadAndRewritten()
{
    const QByteArray before = "\xEF\xBB\xBF"
                              "Date;Origine;Fichier;Expression;Résultat;Erreur;Légende 1;Donnée 1;"
                              "Légende 2;Donnée 2;Légende 3;Donnée 3;Légende 4;Donnée 4;Légende 5;"
                              "Donnée 5;Légende 6;Donnée 6\r\n"
                              + recordLine(rcFilter()).replace(";;;;;;;;;;;;;;\r\n", ";;;;;;;\r\n");
    const ParsedFile read = parseFile(before);
    QCOMPARE(read.entries, QList<Entry>{rcFilter()});
    QVERIFY(read.damagedLines.isEmpty());
    QVERIFY(!read.canonical);
    m_dir->writeFile(u"parametres/journal.csv"_s, before);
    Journal journal(path());
    QSignalSpy told(&journal, &Journal::problemFound);
    QCOMPARE(journal.entries(), QList<Entry>{rcFilter()});
    journal.flush();
    QCOMPARE(test::readFile(path()), fileBytes({rcFilter()}));
    QCOMPARE(told.count(), 0);
    QCOMPARE(lineText(withUnits(), QLocale(QLocale::French, QLocale::France)),
             u"Fréquence de coupure d'un filtre RC : Résistance R (kOhm) = 10 kΩ, "
             u"Capacité C (nF) = 22n → 723,431559508615 Hz"_s);
}

void JournalFileTest::damagedLinesAreLeftOut_data()
{
    QTest::addColumn<QByteArray>("line");
    // Date, source, file, expression, result, reason, then the twelve fields of the inputs.
    const auto line = [](const QByteArray &head, const QByteArray &inputs = QByteArray()) {
        return head + (inputs.isEmpty() ? QByteArray(";;;;;;;;;;;;") : inputs) + ";;;;;;;";
    };
    QTest::newRow("well formed, as a check of the others")
        << line("2026-12-07 10:00:05;Moteur d'équations;;5+1;6;");
    QTest::newRow("too few fields") << line("2026-12-07 10:00:05;Moteur d'équations;;5+1;6");
    QTest::newRow("too many fields") << line("2026-12-07 10:00:05;Moteur d'équations;;5+1;6;;");
    QTest::newRow("unclosed quote") << line("2026-12-07 10:00:05;\"Moteur d'équations;;5+1;6;");
    QTest::newRow("text after a closing quote") << line("2026-12-07 10:00:05;\"Moteur\"x;;5+1;6;");
    QTest::newRow("impossible date") << line("2026-02-30 10:00:05;Moteur d'équations;;5+1;6;");
    QTest::newRow("number with a point")
        << line("2026-12-07 10:00:05;Moteur d'équations;;5+1;6.5;");
    QTest::newRow("not a number") << line("2026-12-07 10:00:05;Moteur d'équations;;5+1;six;");
    QTest::newRow("result and reason together")
        << line("2026-12-07 10:00:05;Moteur d'équations;;5+1;6;raison");
    QTest::newRow("neither result nor reason")
        << line("2026-12-07 10:00:05;Moteur d'équations;;5+1;;");
    QTest::newRow("typed text without its legend")
        << line("2026-12-07 10:00:05;Moteur d'équations;;5+1;6;", ";;;;;;;;;;;x");
    QTest::newRow("not UTF-8") << line("2026-12-07 10:00:05;Mot\xE9ur;;5+1;6;");
    QTest::newRow("half a line, as a crash leaves it") << QByteArray("2026-12-07 10:00:05;Mot");
}

void JournalFileTest::damagedLinesAreLeftOut()
{
    QFETCH(QByteArray, line);
    const ParsedFile read = parseFile(
        lines({recordLine(entryAt(1)).chopped(2), line, recordLine(entryAt(2)).chopped(2)}));
    if (QTest::currentDataTag() == QByteArray("well formed, as a check of the others")) {
        QCOMPARE(read.entries.size(), 3);
        QCOMPARE(read.entries[1].value, 6.0);
        return;
    }
    QCOMPARE(read.entries, (QList<Entry>{entryAt(1), entryAt(2)}));
    QCOMPARE(read.damagedLines, QList<int>{3});
    QVERIFY(!read.canonical);
}

void JournalFileTest::everyLineWrittenReadsBack()
{
    QRandomGenerator random(7);
    for (int run = 0; run < 3000; ++run) {
        const Entry entry = randomEntry(random);
        const Entry readable = readableEntry(entry);
        const QByteArray line = recordLine(readable);
        const std::optional<Entry> read = parseRecord(QString::fromUtf8(line.chopped(2)));
        QVERIFY2(read, line.constData());
        QVERIFY2(*read == readable, line.constData());
        QCOMPARE(readableEntry(readable), readable);
    }
}

void JournalFileTest::damagedFileIsToldKeptAsACopyAndRepaired()
{
    const QByteArray damaged = lines({recordLine(entryAt(1)).chopped(2), "garbage"_ba})
                               + recordLine(entryAt(2)).left(20);
    const QString firstCopy = m_dir->filePath(u"parametres/journal-avant-reparation.csv"_s);
    for (int repair = 1; repair <= 2; ++repair) {
        m_dir->writeFile(u"parametres/journal.csv"_s, damaged + QByteArray(repair, 'x'));
        Journal journal(path());
        QSignalSpy told(&journal, &Journal::problemFound);
        QCOMPARE(journal.entries(), QList<Entry>{entryAt(1)});
        QTRY_COMPARE(told.size(), 1);
        const QString text = told[0][0].toString();
        QVERIFY2(text.contains(u"2 lignes abîmées"_s), qPrintable(text));
        QTRY_COMPARE(test::readFile(path()), fileBytes({entryAt(1)}));
        journal.append(entryAt(3));
        QCOMPARE(test::readFile(path()), fileBytes({entryAt(1), entryAt(3)}));
        // A second repair keeps its copy beside the first, never over it.
        QCOMPARE(test::readFile(firstCopy), damaged + "x");
        const QString copy = repair == 1
                                 ? firstCopy
                                 : m_dir->filePath(u"parametres/journal-avant-reparation-2.csv"_s);
        QVERIFY2(text.contains(QDir::toNativeSeparators(copy)), qPrintable(text));
        QCOMPARE(test::readFile(copy), damaged + QByteArray(repair, 'x'));
    }
}

void JournalFileTest::repairThatCannotKeepACopyLeavesTheFile()
{
    const QByteArray damaged = lines(
        {recordLine(entryAt(1)).chopped(2), "garbage"_ba, recordLine(entryAt(2)).chopped(2)});
    m_dir->writeFile(u"parametres/journal.csv"_s, damaged);
    // Room for the repaired file, which is smaller, but not for the copy.
    const FileSizeLimit disk(damaged.size() - 1);
    Journal journal(path());
    QSignalSpy told(&journal, &Journal::problemFound);
    QCOMPARE(journal.entries(), (QList<Entry>{entryAt(1), entryAt(2)}));
    QTRY_COMPARE(told.size(), 1);
    QVERIFY(told[0][0].toString().contains(u"ne peuvent pas être mises de côté"_s));
    journal.remove(0); // a deletion waits for the copy too
    journal.flush();
    QCOMPARE(test::readFile(path()), damaged);
    QCOMPARE(QDir(m_dir->filePath(u"parametres"_s)).entryList(QDir::Files | QDir::Hidden),
             QStringList{u"journal.csv"_s});
}

void JournalFileTest::fullDiskWritesNoPartOfALine()
{
    const QByteArray before = fileBytes({entryAt(1)});
    m_dir->writeFile(u"parametres/journal.csv"_s, before);
    Journal journal(path());
    QSignalSpy told(&journal, &Journal::problemFound);
    {
        const FileSizeLimit disk(before.size() + 10);
        journal.append(entryAt(2));
        journal.append(entryAt(3));
        QCoreApplication::processEvents();
        QCOMPARE(test::readFile(path()), before);
        QCOMPARE(told.size(), 1);
        QVERIFY(told[0][0].toString().contains(u"ne peut pas être enregistré"_s));
    }
    // Room again: the entries that waited go with the next one, in their order.
    journal.append(entryAt(4));
    QCOMPARE(test::readFile(path()), fileBytes({entryAt(1), entryAt(2), entryAt(3), entryAt(4)}));
    QCOMPARE(told.size(), 1);
}

void JournalFileTest::rewritesKeepPermissions_data()
{
    QTest::addColumn<int>("fileMode");
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<bool>("writable");
    QTest::newRow("group-readable file") << 0640 << 0755 << true;
    QTest::newRow("read-only file") << 0444 << 0755 << false;
    QTest::newRow("read-only folder") << 0644 << 0555 << false;
}

// Run as root too: a file or folder marked read-only stays as it is.
void JournalFileTest::rewritesKeepPermissions()
{
    QFETCH(int, fileMode);
    QFETCH(int, folderMode);
    QFETCH(bool, writable);
    const QByteArray before = fileBytes({entryAt(1), entryAt(2)});
    m_dir->writeFile(u"parametres/journal.csv"_s, before);
    const QString folder = m_dir->filePath(u"parametres"_s);
    QCOMPARE(chmod(qPrintable(path()), mode_t(fileMode)), 0);
    QCOMPARE(chmod(qPrintable(folder), mode_t(folderMode)), 0);
    {
        Journal journal(path());
        QSignalSpy told(&journal, &Journal::problemFound);
        journal.append(entryAt(3));
        journal.remove(0);
        journal.flush();
        QCOMPARE(told.size(), writable ? 0 : 1);
    }
    chmod(qPrintable(folder), 0755);

    struct stat st
    {};

    QCOMPARE(stat(qPrintable(path()), &st), 0);
    QCOMPARE(int(st.st_mode & 07777), fileMode);
    if (writable)
        QCOMPARE(parseFile(test::readFile(path())).entries, (QList<Entry>{entryAt(2), entryAt(3)}));
    else
        QCOMPARE(test::readFile(path()), before);
}

void JournalFileTest::fullJournalKeepsTheNewest()
{
    QList<Entry> many;
    for (int i = 0; i < Journal::Capacity + 5; ++i)
        many.append(entryAt(i));
    m_dir->writeFile(u"parametres/journal.csv"_s, fileBytes(many));
    Journal journal(path());
    QSignalSpy told(&journal, &Journal::problemFound);
    QCOMPARE(journal.entries().size(), Journal::Capacity);
    QCOMPARE(journal.entries().first(), entryAt(5));
    journal.append(entryAt(-1));
    QCOMPARE(journal.entries().size(), Journal::Capacity);
    QCOMPARE(journal.entries().first(), entryAt(6));
    QCOMPARE(journal.entries().last(), entryAt(-1));
    journal.flush();
    const ParsedFile onDisk = parseFile(test::readFile(path()));
    QCOMPARE(onDisk.entries, journal.entries());
    QCOMPARE(told.size(), 0);
}

void JournalFileTest::appendsWithoutRewriting()
{
    Journal journal(path());
    journal.append(entryAt(1));
    QCOMPARE(test::readFile(path()), fileBytes({entryAt(1)}));
    // A line written by another ZORV after ours stays: appending never rewrites.
    QFile file(path());
    QVERIFY(file.open(QIODevice::Append));
    file.write(recordLine(entryAt(7)));
    file.close();
    journal.append(entryAt(2));
    QCOMPARE(parseFile(test::readFile(path())).entries,
             (QList<Entry>{entryAt(1), entryAt(7), entryAt(2)}));
    // A deletion rewrites the file as it finds it: the other line stays, and shows.
    journal.remove(0);
    QCOMPARE(test::readFile(path()), fileBytes({entryAt(7), entryAt(2)}));
    QCOMPARE(journal.entries(), (QList<Entry>{entryAt(7), entryAt(2)}));
    journal.clear();
    QCOMPARE(test::readFile(path()), fileHeader());
}

void JournalFileTest::unreadableFileIsNeverWrittenOver()
{
    m_dir->makeDir(u"parametres/journal.csv"_s);
    Journal journal(path());
    QSignalSpy told(&journal, &Journal::problemFound);
    journal.append(entryAt(1));
    journal.flush();
    QCOMPARE(journal.entries(), QList<Entry>{entryAt(1)});
    QCOMPARE(told.size(), 1);
    QVERIFY(told[0][0].toString().contains(u"ne peut pas être lu"_s));
    QVERIFY(QFileInfo(path()).isDir());
}

void JournalFileTest::unwritableFolderIsToldOnce()
{
    m_dir->writeFile(u"parametres"_s, "not a folder");
    Journal journal(path());
    QSignalSpy told(&journal, &Journal::problemFound);
    for (int i = 0; i < 3; ++i) {
        journal.append(entryAt(i));
        QCoreApplication::processEvents();
    }
    QCOMPARE(journal.entries().size(), 3);
    QCOMPARE(told.size(), 1);
    QVERIFY(told[0][0].toString().contains(u"ne peut pas être enregistré"_s));
}

void JournalFileTest::exportReadsBackInARealCsvReader()
{
    const QString python = QStandardPaths::findExecutable(u"python3"_s);
    if (python.isEmpty())
        QSKIP("python3 is not installed");
    Journal journal(path());
    Entry quoted = rcFilter();
    quoted.source = u"Gain « A » ; \"B\""_s;
    quoted.expression = u"-2*3"_s;
    journal.append(quoted);
    Entry refused = engineEntry(u"3/(1-1)"_s);
    refused.setRefusal(u"division par zéro"_s);
    journal.append(refused);
    const QString exported = m_dir->filePath(u"export.csv"_s);
    QCOMPARE(journal.exportTo(exported), QString());

    QProcess reader;
    reader.start(python,
                 {u"-c"_s,
                  u"import csv, sys, json\n"
                  "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
                  "    print(json.dumps(list(csv.reader(f, delimiter=';'))))"_s,
                  exported});
    QVERIFY(reader.waitForFinished());
    QCOMPARE(reader.exitCode(), 0);
    const QString expected = u"[[\"Date\", \"Origine\", \"Fichier\", \"Expression\", "
                             "\"R\\u00e9sultat\", \"Erreur\""_s;
    const QByteArray output = reader.readAllStandardOutput();
    QVERIFY2(output.startsWith(expected.toUtf8()), output.constData());
    QVERIFY2(output.contains(
                 "[\"2026-12-07 18:50:31\", \"Gain \\u00ab A \\u00bb ; \\\"B\\\"\", "
                 "\"frequence_coupure_rc.zvfc\", \"'-2*3\", \"723,431559508615\", \"\", "),
             output.constData());
    QVERIFY2(output.contains("\"Moteur d'\\u00e9quations\", \"\", \"3/(1-1)\", \"\", "
                             "\"division par z\\u00e9ro\""),
             output.constData());
    QCOMPARE(output.count('['), 4);
}

QTEST_GUILESS_MAIN(JournalFileTest)
#include "test_journal_file.moc"
