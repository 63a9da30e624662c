// The journal's cost where the user waits for it. Targets: recording one evaluation adds under
// 1 ms to "&Calculer" with a full journal (10,000 entries); the journal window opens with 10,000
// entries in under 100 ms.
//
// "Calculer" rows time the calculator's button, without a journal and with a full one; the
// difference is the recording. Pending events run inside the timing, so that the rewrite of the
// file, which follows the calculation every 1,000 records, is paid for in the figures.

#include "functions/core/function_list.h"
#include "functions/windows/c_calculs.h"
#include "journal/core/journal.h"
#include "journal/core/journal_csv.h"
#include "journal/windows/c_journal.h"
#include "platform/app_dir.h"
#include "shell/core/donnees.h"
#include "support/gui_benchmark_main.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <optional>

namespace {

using namespace Qt::StringLiterals;
using namespace zorv;

// A program folder with one function and a journal of Capacity entries.
class ProgramFolder
{
public:
    ProgramFolder()
    {
        QDir().mkpath(m_root.filePath(u"res/Fonc"_s));
        QDir().mkpath(m_root.filePath(u"parametres"_s));
        donnees::setAppDir(m_root.path());
        donnees::InitGlobals();
        QFile function(donnees::FunctionDir + u"rc.zvfc"_s);
        if (function.open(QIODevice::WriteOnly))
            function.write(QStringEncoder("windows-1252")
                               .encode(u"[GeneralInfo]\r\nNomFonc=Fréquence de coupure d'un filtre "
                                       u"RC\r\n[Fonc]\r\nd1=Résistance R (kOhm)\r\nd2=Capacité C "
                                       u"(nF)\r\n[Calc]\r\nFnc=1000000/(2*PI*d1*d2)\r\n"_s));
        QList<journal::Entry> entries;
        for (int i = 0; i < journal::Journal::Capacity; ++i) {
            journal::Entry entry = journal::functionEntry(u"Fréquence de coupure d'un filtre RC"_s,
                                                          u"rc.zvfc"_s,
                                                          u"1000000/(2*PI*d1*d2)"_s,
                                                          {u"Résistance R (kOhm)"_s,
                                                           u"Capacité C (nF)"_s},
                                                          {QString::number(i), u"22"_s},
                                                          u"1000000/(2*PI*%1*22)"_s.arg(i));
            entry.setResult(723.431559508615 / (i + 1));
            entries.append(entry);
        }
        QFile file(journal::journalFilePath());
        if (file.open(QIODevice::WriteOnly))
            file.write(journal::fileBytes(entries));
    }

    ~ProgramFolder() { donnees::setAppDir(QString()); }

private:
    QTemporaryDir m_root;
};

c_calculs *calculator()
{
    c_calculs *window = SingleInstance<c_calculs>::get();
    window->pickFunctionFile(u"rc.zvfc"_s);
    window->setDonnee(1, u"10"_s);
    window->setDonnee(2, u"22"_s);
    return window;
}

void calculer(benchmark::State &state, bool withJournal)
{
    ProgramFolder folder;
    journal::Journal journal(journal::journalFilePath());
    std::optional<journal::JournalScope> scope;
    if (withJournal) {
        scope.emplace(journal);
        journal.load();
        QCoreApplication::processEvents();
    }
    c_calculs *window = calculator();
    for (auto _ : state) {
        window->Command1_Click();
        QCoreApplication::processEvents();
    }
    if (withJournal && journal.entries().size() != journal::Journal::Capacity)
        state.SkipWithError("the journal is not full");
    SingleInstance<c_calculs>::close();
}

void BM_Calculer_NoJournal(benchmark::State &state)
{
    calculer(state, false);
}

void BM_Calculer_FullJournal(benchmark::State &state)
{
    calculer(state, true);
}

void BM_OpenJournalWindow10000(benchmark::State &state)
{
    ProgramFolder folder;
    journal::Journal journal(journal::journalFilePath());
    journal::JournalScope scope(journal);
    journal.load();
    for (auto _ : state) {
        c_journal *window = SingleInstance<c_journal>::show();
        window->repaint();
        QCoreApplication::processEvents();
        state.PauseTiming();
        SingleInstance<c_journal>::close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}

void BM_LoadJournal10000(benchmark::State &state)
{
    ProgramFolder folder;
    for (auto _ : state) {
        journal::Journal journal(journal::journalFilePath());
        benchmark::DoNotOptimize(journal.entries().size());
    }
}

} // namespace

BENCHMARK(BM_Calculer_NoJournal)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Calculer_FullJournal)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenJournalWindow10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadJournal10000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return zorv::bench::runWindowBenchmarks(argc, argv);
}
