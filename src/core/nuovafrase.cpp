#include "core/nuovafrase.h"

#include "core/formato.h"

#include <span>

std::vector<std::string> problemiNuovaFrase(const Frase& f) {
    std::vector<std::string> v;
    const Lettura l = leggiFrasi(scriviFrasi(std::span(&f, 1)));
    for (const Problema& p : l.problemi) v.push_back(p.testo);
    if (v.empty() && (l.frasi.size() != 1 || l.frasi.front().parole != f.parole))
        v.emplace_back("la frase non si rilegge uguale: controlla il testo delle parole");
    return v;
}

std::string accodaFrase(std::string_view esistente, const Frase& f) {
    std::string r(esistente);
    if (!r.empty()) {
        if (r.back() != '\n') r += '\n';
        r += '\n';
    }
    return r + scriviFrasi(std::span(&f, 1));
}
