// The sweep of 10,000 points, the most the window takes. Target: drawing them under 100 ms.
//
// BM_DrawSweep10000: the plot built from computed points and painted once (what the user waits
// for after the points are known). BM_Sweep10000: the points themselves, through the engine.
// BM_WindowMemory10000: the resident memory that the window adds with 10,000 points drawn and
// listed, read from /proc/self/statm before it is built and after it is painted (counter
// "window_kB"; one iteration, as a second window would find the first one's pages).

#include "functions/core/sweep.h"
#include "functions/windows/c_balayage.h"
#include "functions/windows/sweep_chart.h"
#include "support/gui_benchmark_main.h"

#include <QFile>
#include <QLineEdit>
#include <QPixmap>
#include <QSpinBox>

#include <benchmark/benchmark.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString Reactance = u"1000000/(2*PI*d1*d2)"_s;

zorv::functions::SweepRequest reactanceSweep()
{
    zorv::functions::PickedFunction function;
    function.name = u"Réactance"_s;
    function.formula = Reactance;
    zorv::functions::SweepRequest request{.function = function,
                                          .inputs = {},
                                          .box = 1,
                                          .range = {10,
                                                    1e6,
                                                    10000,
                                                    zorv::functions::SweepScale::Logarithmic}};
    request.inputs.fill(u"0,1"_s);
    return request;
}

double residentKilobytes()
{
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / 1024 : 0;
}

void BM_Sweep10000(benchmark::State &state)
{
    const zorv::functions::SweepRequest request = reactanceSweep();
    for (auto _ : state)
        benchmark::DoNotOptimize(zorv::functions::sweepFunction(request));
}

void BM_DrawSweep10000(benchmark::State &state)
{
    const zorv::functions::SweepResult result = zorv::functions::sweepFunction(reactanceSweep());
    zorv::SweepChartView view;
    view.resize(640, 420);
    view.show();
    for (auto _ : state) {
        view.plot({{{u"Réactance"_s, result}}, u"f (Hz)"_s, u"Xc (Ω)"_s, true, true});
        benchmark::DoNotOptimize(view.grab());
    }
}

void BM_WindowMemory10000(benchmark::State &state)
{
    // Qt's own first-use costs (fonts, the chart's theme) are paid before the measure.
    {
        zorv::SweepChartView warmUp;
        warmUp.grab();
    }
    for (auto _ : state) {
        const double before = residentKilobytes();
        auto *window = new zorv::c_balayage;
        zorv::SweepSource source{.function = {}, .inputs = {}};
        source.function.name = u"Réactance"_s;
        source.function.formula = Reactance;
        source.function.legends = {u"f (Hz)"_s, u"C (µF)"_s};
        source.inputs.fill(u"0,1"_s);
        window->show();
        window->setSource(source);
        window->txtDe->setText(u"10"_s);
        window->txtA->setText(u"1000000"_s);
        window->spnPoints->setValue(10000); // draws
        window->grab();
        state.counters["window_kB"] = residentKilobytes() - before;
        delete window;
    }
}

} // namespace

BENCHMARK(BM_Sweep10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawSweep10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowMemory10000)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char **argv)
{
    return zorv::bench::runWindowBenchmarks(argc, argv);
}
