#include "bank/frasi.h"

#include "bank/dati.h"
#include "base/verifica.h"

void Frasi::riempi() {
    celle = {};
    const auto frasi = datiFrasi();
    frasiPiene = static_cast<int>(frasi.size());
    VERIFICA(frasiPiene <= maxFrasi);
    for (int s = 0; s < frasiPiene; ++s) {
        int parole = 0;
        int w = 1;
        for (const CellaDati& d : frasi[s]) {
            VERIFICA(w < maxParole);
            celle[s][w].testo = d.testo;
            celle[s][w].chiave = d.chiave;
            if (d.chiave[0] != 0) parole = w;
            ++w;
        }
        celle[s][0].chiave[0] = static_cast<std::int8_t>(parole);
    }
}

const Frasi::Cella& Frasi::cella(int s, int w) const {
    VERIFICA(s >= 0 && s < maxFrasi);
    VERIFICA(w >= 0 && w < maxParole);
    // Out of range in a release build without checks: read an empty cell, never past the table.
    static const Cella vuota{};
    if (s < 0 || s >= maxFrasi || w < 0 || w >= maxParole) return vuota;
    return celle[s][w];
}

std::string Frasi::testo(int s, int w) const {
    return std::string(cella(s, w).testo);
}

int Frasi::chiave(int colonna, int s, int w) const {
    VERIFICA(colonna >= 1 && colonna <= numColonne);
    if (colonna < 1 || colonna > numColonne) return 0;
    return cella(s, w).chiave[colonna - 1];
}
