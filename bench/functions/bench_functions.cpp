// Opening the calculator: Form_Load lists the function folder and reads the name of every file
// before the window is first drawn, so its cost is a wait the user sees. Target: under 50 ms warm
// for a folder of 1,000 files.
//
// "warm": the same folder again, as when the user closes the calculator and opens it anew;
// "cold": every file rewritten just before, as after the user changed the function library.
// The "Listing" rows time the core alone (no window, no combo box).

#include "functions/core/function_file.h"
#include "functions/core/function_list.h"
#include "functions/windows/c_calculs.h"
#include "platform/app_dir.h"
#include "platform/program_font.h"
#include "shell/core/donnees.h"
#include "support/gui_benchmark_main.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr int FileCount = 1000;

// A function file as long as the shipped ones run.
QByteArray functionFile(int number, int round)
{
    const QString text = u"[GeneralInfo]\r\nNomFonc=Fonction n° %1 (version %2)\r\n"
                         "NomAuteur=Équipe ZORV\r\n\r\n[Fonc]\r\nd1=Résistance R (kOhm)\r\n"
                         "d2=Capacité C (nF)\r\nd3=(Vide)\r\nd4=(Vide)\r\nd5=(Vide)\r\n"
                         "d6=(Vide)\r\n\r\n[Calc]\r\nFnc=1000000/(2*PI*d1*d2)\r\n\r\n[ePrf]\r\n"
                         "Description=Fréquence de coupure à -3 dB d'un filtre RC du premier "
                         "ordre, fc = 1 / (2 × pi × R × C). Résultat : fc en hertz (Hz). Vaut "
                         "pour un filtre peu chargé.\r\n"_s.arg(number)
                             .arg(round);
    QStringEncoder encoder("windows-1252");
    return encoder.encode(text);
}

// A program folder whose function folder holds FileCount files.
class FunctionFolder
{
public:
    FunctionFolder()
    {
        QDir().mkpath(m_root.filePath(u"res/Fonc"_s));
        zorv::donnees::setAppDir(m_root.path());
        zorv::donnees::InitGlobals();
        rewrite();
    }

    ~FunctionFolder() { zorv::donnees::setAppDir(QString()); }

    // Writes every file anew, with a name of the next round.
    void rewrite()
    {
        ++m_round;
        for (int i = 0; i < FileCount; ++i) {
            QFile file(zorv::donnees::FunctionDir + u"f%1.zvfc"_s.arg(i, 4, 10, QChar(u'0')));
            if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                file.write(functionFile(i, m_round));
        }
    }

private:
    QTemporaryDir m_root;
    int m_round = 0;
};

void openCalculator(benchmark::State &state, bool cold)
{
    FunctionFolder folder;
    std::optional<zorv::c_calculs> window;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            folder.rewrite();
            state.ResumeTiming();
        }
        window.emplace();
        benchmark::DoNotOptimize(window->selectedFunction());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    if (zorv::donnees::FunctionFileNames[FileCount - 1].isEmpty())
        state.SkipWithError("the folder was not listed whole");
}

void listFunctions(benchmark::State &state, bool cold)
{
    FunctionFolder folder;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            folder.rewrite();
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(zorv::functions::listFunctions().names.size());
    }
}

void BM_OpenCalculator1000_Cold(benchmark::State &state)
{
    openCalculator(state, true);
}

void BM_OpenCalculator1000_Warm(benchmark::State &state)
{
    openCalculator(state, false);
}

void BM_Listing1000_Cold(benchmark::State &state)
{
    listFunctions(state, true);
}

void BM_Listing1000_Warm(benchmark::State &state)
{
    listFunctions(state, false);
}

// Eight files far larger than a function file can be among the function files (sparse: they take
// no disk), listed first: they must cost no more than small ones.
void BM_Listing1000_EightHugeFiles(benchmark::State &state)
{
    FunctionFolder folder;
    for (int i = 0; i < 8; ++i) {
        QFile file(zorv::donnees::FunctionDir + u"a-huge%1.img"_s.arg(i));
        if (!file.open(QIODevice::WriteOnly) || !file.resize(qint64(250) << 20))
            state.SkipWithError("no room for the sparse files");
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(zorv::functions::listFunctions().names.size());
}

} // namespace

BENCHMARK(BM_OpenCalculator1000_Cold)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenCalculator1000_Warm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Listing1000_Cold)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Listing1000_Warm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Listing1000_EightHugeFiles)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return zorv::bench::runWindowBenchmarks(argc, argv);
}
