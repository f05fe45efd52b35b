#include "core/percorso.h"

#include "core/verifica.h"

int primaParola(const Frasi& frasi, int s, bool soloAggettivi) {
    int w = 1;
    if (soloAggettivi) {
        const int n = frasi.chiave1(s, 0);
        while (w < n && frasi.chiave1(s, w) != codiceAggettivo) ++w;
    }
    return w;
}

Avanzamento finisciParola(const Frasi& frasi, int s, int nparola, bool soloAggettivi) {
    const int n = frasi.chiave1(s, 0);
    if (!soloAggettivi) {
        const int w = nparola + 1;
        return {w, w > n};
    }
    int w = nparola;
    while (w < n) {
        ++w;
        if (frasi.chiave1(s, w) == codiceAggettivo) return {w, false};
    }
    return {w, true};
}

DopoGiusta dopoRispostaGiusta(Domanda d, int indice, const Frasi& frasi, int s, int w) {
    const auto& bottoni = domanda(d).bottoni;
    VERIFICA(indice >= 1 && indice <= static_cast<int>(bottoni.size()));
    const Seguito seg = bottoni[indice - 1].seguito;
    if (seg.tipo == Seguito::fineParola) return {true, d, 0};
    const int colonna = domanda(seg.prossima).colonna;
    if (seg.tipo == Seguito::genereOppureFine && frasi.chiave(colonna, s, w) == 0)
        return {true, d, 0};
    return {false, seg.prossima, colonna};
}
