#include "core/nuovafrase.h"

#include "core/formato.h"
#include "core/testo.h"

#include <span>

std::vector<std::string> problemiNuovaFrase(const Frase& f) {
    std::vector<std::string> v;
    const Lettura l = leggiFrasi(scriviFrasi(std::span(&f, 1)));
    for (const Problema& p : l.problemi) v.push_back(p.testo);
    if (!v.empty()) return v;
    if (l.frasi.size() != 1 || l.frasi.front().parole.size() != f.parole.size()) {
        v.emplace_back("una volta salvata la frase si rileggerebbe diversa: controlla il testo "
                       "esatto di ogni parola");
        return v;
    }
    // Name the first word that would come back different, and what to do.
    for (std::size_t i = 0; i < f.parole.size(); ++i) {
        const Parola& letta = l.frasi.front().parole[i];
        if (letta.testo != f.parole[i].testo) {
            v.push_back("una volta salvata la parola " + tra(pulito(f.parole[i].testo)) +
                        " si rileggerebbe diversa: correggi il suo testo esatto");
            break;
        }
        if (letta.chiave != f.parole[i].chiave) {
            v.push_back("una volta salvata l'analisi di " + tra(pulito(f.parole[i].testo)) +
                        " si rileggerebbe diversa: analizza di nuovo la parola");
            break;
        }
    }
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
