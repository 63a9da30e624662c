// Calcule against muparser on the same expressions: the documented worked examples and ten
// electronics formulas with their values put in, each parsed and evaluated once per iteration.

#include "engine/core/calcule.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <muParser.h>
#include <string>
#include <vector>

namespace {

struct Case
{
    const char *name;
    const char *engine;   // as typed for ZORV (comma or point, implicit products, V ² ° PI)
    const char *muparser; // the same expression in muparser's syntax
};

const std::vector<Case> cases = {
    {"example/implicit_product", "2(3+4)", "2*(3+4)"},
    {"example/signed_operand", "2 * -3 - 1", "2*-3-1"},
    {"example/squares", "-2²+3²", "(-2)^2+3^2"},
    {"example/root", "V9+1", "sqrt(9)+1"},
    {"example/division_first", "10/4 * 2", "10/4*2"},
    {"formula/lc_resonance", "1/(2*PI*V(0,01*0,0000001))", "1/(2*_pi*sqrt(0.01*0.0000001))"},
    {"formula/rc_cutoff", "1/(2*PI*4700*0,000000022)", "1/(2*_pi*4700*0.000000022)"},
    {"formula/voltage_divider", "12*4700/(10000+4700)", "12*4700/(10000+4700)"},
    {"formula/parallel_resistors", "1/(1/1000+1/2200+1/4700)", "1/(1/1000+1/2200+1/4700)"},
    {"formula/led_resistor", "(12-2,1)/0,02", "(12-2.1)/0.02"},
    {"formula/astable_555", "1,44/((1000+2*10000)*0,00001)", "1.44/((1000+2*10000)*0.00001)"},
    {"formula/power_u2_r", "12²/470", "12^2/470"},
    {"formula/inductive_reactance", "2*PI*50*0,1", "2*_pi*50*0.1"},
    {"formula/rl_impedance", "V(100²+(2*PI*50*0,3)²)", "sqrt(100^2+(2*_pi*50*0.3)^2)"},
    {"formula/capacitor_energy", "0,5*0,0047*24²", "0.5*0.0047*24^2"},
};

void calcule(benchmark::State &state, const QString expression)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(zorv::engine::Calcule(expression));
}

void muparser(benchmark::State &state, const std::string expression)
{
    mu::Parser parser;
    for (auto _ : state) {
        parser.SetExpr(expression);
        benchmark::DoNotOptimize(parser.Eval());
    }
}

// A translation that does not give the same value would make the comparison meaningless.
bool translationsAgree()
{
    bool agree = true;
    for (const Case &c : cases) {
        mu::Parser parser;
        parser.SetExpr(c.muparser);
        const double reference = parser.Eval();
        const double value = zorv::engine::Calcule(QString::fromUtf8(c.engine));
        if (std::abs(value - reference) > 1e-12 * std::abs(reference)) {
            std::fprintf(stderr,
                         "%s: Calcule gives %.17g, muparser %.17g\n",
                         c.name,
                         value,
                         reference);
            agree = false;
        }
    }
    return agree;
}

} // namespace

int main(int argc, char **argv)
{
    if (!translationsAgree())
        return 1;
    for (const Case &c : cases) {
        benchmark::RegisterBenchmark((std::string("Calcule/") + c.name).c_str(),
                                     calcule,
                                     QString::fromUtf8(c.engine));
        benchmark::RegisterBenchmark((std::string("muparser/") + c.name).c_str(),
                                     muparser,
                                     std::string(c.muparser));
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
