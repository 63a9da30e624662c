// Opening the values window: Form_Load reads all 999 slots (1998 keys) before the window is first
// drawn, so its cost is a wait the user sees. Target: under 5 ms on a fresh file.
//
// "cold": each iteration opens a file the profile store has never seen (a new program folder);
// "warm": the same file again, as when the user closes the window and opens it anew.

#include "platform/app_dir.h"
#include "platform/program_font.h"
#include "support/gui_benchmark_main.h"
#include "values/core/values_file.h"
#include "values/windows/c_donnees.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

QByteArray shippedFile()
{
    QFile file(QString::fromUtf8(ZORV_SOURCE_DATA "/res/Vals.fval"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every slot filled, with names and values as long as the shipped ones run.
QByteArray fullFile()
{
    QString text;
    for (int slot = 1; slot <= zorv::values::SlotCount; ++slot) {
        text += u"[E%1]\r\nname=Valeur de référence n° %1\r\n"
                "val=%1,602176634E-19 C ; mesurée à 20 °C ± 0,5 %\r\n\r\n"_s.arg(slot);
    }
    QStringEncoder encoder("windows-1252");
    return encoder.encode(text);
}

// Program folders holding one values file each.
class ProgramFolders
{
public:
    QString withFile(const QByteArray &bytes)
    {
        const QString folder = m_root.filePath(QString::number(m_count++));
        QDir().mkpath(folder + u"/res"_s);
        QFile file(folder + u"/res/Vals.fval"_s);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return folder;
    }

private:
    QTemporaryDir m_root;
    int m_count = 0;
};

void formLoad(benchmark::State &state, const QByteArray &file, bool cold)
{
    if (file.isEmpty()) {
        state.SkipWithError("no values file");
        return;
    }
    ProgramFolders folders;
    zorv::donnees::setAppDir(folders.withFile(file));
    std::optional<zorv::c_donnees> window;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            zorv::donnees::setAppDir(folders.withFile(file));
            state.ResumeTiming();
        }
        window.emplace();
        benchmark::DoNotOptimize(window->liste->count());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    zorv::donnees::setAppDir(QString());
}

void readValuesFile(benchmark::State &state, const QByteArray &file)
{
    ProgramFolders folders;
    zorv::donnees::setAppDir(folders.withFile(file));
    zorv::values::ValueTable table;
    for (auto _ : state) {
        int names = 0;
        zorv::values::readValuesFile([&names](const QString &) { ++names; }, table);
        benchmark::DoNotOptimize(names);
    }
    zorv::donnees::setAppDir(QString());
}

void BM_FormLoad_Shipped_Cold(benchmark::State &state)
{
    formLoad(state, shippedFile(), true);
}

void BM_FormLoad_Shipped_Warm(benchmark::State &state)
{
    formLoad(state, shippedFile(), false);
}

void BM_FormLoad_Full999_Cold(benchmark::State &state)
{
    formLoad(state, fullFile(), true);
}

void BM_FormLoad_Full999_Warm(benchmark::State &state)
{
    formLoad(state, fullFile(), false);
}

void BM_ReadValuesFile_Full999_Warm(benchmark::State &state)
{
    readValuesFile(state, fullFile());
}

} // namespace

BENCHMARK(BM_FormLoad_Shipped_Cold)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormLoad_Shipped_Warm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormLoad_Full999_Cold)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormLoad_Full999_Warm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadValuesFile_Full999_Warm)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return zorv::bench::runWindowBenchmarks(argc, argv);
}
