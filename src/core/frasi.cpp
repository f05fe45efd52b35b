#include "core/frasi.h"

#include "core/incorporate.h"
#include "core/verifica.h"

void Frasi::riempi() {
    svuota();
    for (const Frase& f : frasiIncorporate()) aggiungi(f);
}

void Frasi::svuota() {
    for (auto& frase : celle)
        for (Parola& p : frase) p = {};
    frasiPiene = 0;
}

bool Frasi::aggiungi(const Frase& f) {
    if (frasiPiene >= maxFrasi || f.parole.size() >= static_cast<std::size_t>(maxParole))
        return false;
    auto& riga = celle[static_cast<std::size_t>(frasiPiene)];
    int parole = 0;
    for (std::size_t i = 0; i < f.parole.size(); ++i) {
        riga[i + 1] = f.parole[i];
        // Fillers after the last word are shown but not counted.
        if (f.parole[i].chiave[0] != 0) parole = static_cast<int>(i) + 1;
    }
    riga[0].chiave[0] = static_cast<std::int8_t>(parole);
    ++frasiPiene;
    return true;
}

Frase Frasi::frase(int s) const {
    Frase f;
    for (int w = 1; w < maxParole; ++w) f.parole.push_back(cella(s, w));
    while (!f.parole.empty() && f.parole.back() == Parola{}) f.parole.pop_back();
    return f;
}

const Parola& Frasi::cella(int s, int w) const {
    VERIFICA(s >= 0 && s < maxFrasi);
    VERIFICA(w >= 0 && w < maxParole);
    // Out of range in a release build without checks: read an empty cell, never past the table.
    static const Parola vuota{};
    if (s < 0 || s >= maxFrasi || w < 0 || w >= maxParole) return vuota;
    return celle[static_cast<std::size_t>(s)][static_cast<std::size_t>(w)];
}

std::string Frasi::testo(int s, int w) const {
    return cella(s, w).testo;
}

int Frasi::chiave(int colonna, int s, int w) const {
    VERIFICA(colonna >= 1 && colonna <= numColonne);
    if (colonna < 1 || colonna > numColonne) return 0;
    return cella(s, w).chiave[static_cast<std::size_t>(colonna - 1)];
}
