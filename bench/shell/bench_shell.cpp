// What the user waits for at start-up, in the process: the splash from its creation (which sets the
// global values) to its first paint, and the menu from its creation (which reads its two pictures
// and the Internet option) to its first paint. The whole start of the program, process and
// libraries included, is measured by startup.sh.

#include "platform/app_dir.h"
#include "platform/program_font.h"
#include "platform/single_instance.h"
#include "shell/first_paint.h"
#include "shell/windows/a_start.h"
#include "shell/windows/b_menu.h"
#include "support/gui_benchmark_main.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

template<class W>
void createAndDraw(benchmark::State &state)
{
    zorv::donnees::setAppDir(QString::fromUtf8(ZORV_SOURCE_DATA));
    for (auto _ : state) {
        W *window = zorv::SingleInstance<W>::show();
        if (!waitForFirstPaint(window)) {
            state.SkipWithError("the window was never painted");
            break;
        }
        state.PauseTiming();
        zorv::SingleInstance<W>::close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    zorv::donnees::setAppDir(QString());
}

void BM_SplashToFirstPaint(benchmark::State &state)
{
    createAndDraw<zorv::a_start>(state);
}

BENCHMARK(BM_SplashToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_MenuToFirstPaint(benchmark::State &state)
{
    createAndDraw<zorv::b_menu>(state);
}

BENCHMARK(BM_MenuToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return zorv::bench::runWindowBenchmarks(argc, argv);
}
