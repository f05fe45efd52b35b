#include "core/percorso.h"

int primaParola(const Frasi& frasi, int s, bool soloAggettivi) {
    int w = 1;
    if (soloAggettivi) {
        const int n = frasi.numeroParole(s);
        while (w < n && frasi.chiave(Domanda::parte, s, w) != codiceAggettivo) ++w;
    }
    return w;
}

Avanzamento finisciParola(const Frasi& frasi, int s, int nparola, bool soloAggettivi) {
    const int n = frasi.numeroParole(s);
    if (!soloAggettivi) {
        const int w = nparola + 1;
        return {w, w > n};
    }
    int w = nparola;
    while (w < n) {
        ++w;
        if (frasi.chiave(Domanda::parte, s, w) == codiceAggettivo) return {w, false};
    }
    return {w, true};
}

DopoGiusta dopoRispostaGiusta(Domanda d, int indice, const Frasi& frasi, int s, int w) {
    const Passo p = passoDopo(d, indice, frasi.chiaveCella(s, w), Uso::gioco);
    if (p.tipo == Passo::fine) return {true, d, 0};
    return {false, p.prossima, domanda(p.prossima).colonna};
}
