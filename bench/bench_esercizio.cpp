// The work of one click handler on the real exercise window, with the
// one-second pause faked: everything a press costs besides that pause.
#include "fakes.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// A right answer to the first question, then a wrong one to the part of
// speech; two presses per iteration, each a whole handler with its repaint work.
void ClicCom(benchmark::State& st) {
    Esercizio e(0);
    e.banco.casuale.prossimaFrase(10); // starts with a verb
    e.f->estraiFrase();
    e.banco.modale.risposta = [](QDialog& d) { d.reject(); };
    for (auto _ : st) {
        e.f->rispondiVariabile();
        e.f->rispondi(Domanda::parte, 1);
        if (e.m.nrisposte > 15) e.m.nrisposte = 0; // keep the grading out of it
    }
    st.SetItemsProcessed(st.iterations() * 2);
}
BENCHMARK(ClicCom)->Unit(benchmark::kMicrosecond);

void ClicVIA(benchmark::State& st) {
    Esercizio e(1);
    for (auto _ : st) {
        e.f->estraiFrase();
        if (e.m.fatta[29]) e.m.fatta = {}; // never reach the exhausted search
    }
}
BENCHMARK(ClicVIA)->Unit(benchmark::kMicrosecond);

// The 20th answer, grading and building the result window.
void Classifica(benchmark::State& st) {
    Esercizio e(0);
    e.banco.casuale.prossimaFrase(10); // starts with a verb: PARTE  INVARIABILE is wrong
    e.f->estraiFrase();
    for (auto _ : st) {
        e.m.nrisposte = 19;
        e.f->rispondiInvariabile();
    }
    if (e.banco.modale.volte != st.iterations()) st.SkipWithError("no grading");
}
BENCHMARK(Classifica)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
