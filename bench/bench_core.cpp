#include "core/formato.h"
#include "core/incorporate.h"
#include "core/percorso.h"

#include <benchmark/benchmark.h>

namespace {

const Frasi& banca() {
    static const Frasi f = [] {
        Frasi x;
        x.riempi();
        return x;
    }();
    return f;
}

// One right answer through the tree: what it opens and which key it loads.
void UnaRisposta(benchmark::State& st) {
    const Frasi& f = banca();
    for (auto _ : st) {
        const DopoGiusta d = dopoRispostaGiusta(Domanda::determinativo, 1, f, 10, 7);
        benchmark::DoNotOptimize(f.chiave(d.colonna, 10, 7));
    }
}
BENCHMARK(UnaRisposta);

// A whole sentence, every word answered right by a pupil.
void FraseIntera(benchmark::State& st) {
    const Frasi& f = banca();
    for (auto _ : st) {
        int risposte = 0;
        for (int w = 1; w <= f.numeroParole(7); ++w) {
            Domanda d = Domanda::parte;
            int attesa = f.chiave(Domanda::parte, 7, w);
            for (;;) {
                ++risposte;
                const DopoGiusta dopo = dopoRispostaGiusta(d, attesa, f, 7, w);
                if (dopo.fineParola) break;
                d = dopo.prossima;
                attesa = f.chiave(dopo.colonna, 7, w);
            }
            benchmark::DoNotOptimize(finisciParola(f, 7, w, false));
        }
        benchmark::DoNotOptimize(risposte);
    }
}
BENCHMARK(FraseIntera);

void RiempiBanca(benchmark::State& st) {
    for (auto _ : st) {
        Frasi f;
        f.riempi();
        benchmark::DoNotOptimize(f.numeroParole(29));
    }
}
BENCHMARK(RiempiBanca)->Unit(benchmark::kMicrosecond);

// What start-up pays for the built-in sentences: the embedded file parsed and
// checked, then the tables filled (riempi keeps the parsed file after the first time).
void CaricaFrasiIncorporate(benchmark::State& st) {
    for (auto _ : st) {
        Frasi f;
        for (const Frase& frase : leggiFrasi(testoFrasiIncorporate()).frasi) f.aggiungi(frase);
        benchmark::DoNotOptimize(f.numeroParole(29));
    }
}
BENCHMARK(CaricaFrasiIncorporate)->Unit(benchmark::kMicrosecond);

} // namespace
