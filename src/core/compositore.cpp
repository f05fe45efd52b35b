#include "core/compositore.h"

#include "core/testo.h"
#include "core/verifica.h"

#include <algorithm>

namespace {

const PrimaDomanda& primaPer(int codice) {
    return codice == variabile.codice ? variabile : invariabile;
}

std::vector<std::string> parolePer(std::string_view testo) {
    std::vector<std::string> v;
    std::size_t i = 0;
    while (i < testo.size()) {
        while (i < testo.size() && spazioOCapo(testo[i])) ++i;
        const std::size_t inizio = i;
        while (i < testo.size() && !spazioOCapo(testo[i])) ++i;
        if (i > inizio) v.emplace_back(testo.substr(inizio, i - inizio));
    }
    return v;
}

} // namespace

void Compositore::impostaFrase(std::string_view testo) {
    gruppi.clear();
    attuale = 0;
    for (std::string& p : parolePer(testo)) gruppi.push_back({{std::move(p)}, {}, {}});
}

std::vector<Compositore::Gruppo> Compositore::taglia(std::string_view testo, int* perse) const {
    const std::vector<std::string> nuove = parolePer(testo);
    std::vector<const std::string*> vecchie;
    for (const Gruppo& gr : gruppi)
        for (const std::string& p : gr.parole) vecchie.push_back(&p);
    // The longest common run of words, old against new: what a typo left alone.
    const std::size_t n = vecchie.size(), m = nuove.size();
    std::vector<int> lcs((n + 1) * (m + 1), 0);
    auto at = [&](std::size_t i, std::size_t j) -> int& { return lcs[i * (m + 1) + j]; };
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t j = m; j-- > 0;)
            at(i, j) = *vecchie[i] == nuove[j] ? at(i + 1, j + 1) + 1
                                               : std::max(at(i + 1, j), at(i, j + 1));
    std::vector<std::size_t> abbinata(n, m); // m: no partner
    for (std::size_t i = 0, j = 0; i < n && j < m;) {
        if (*vecchie[i] == nuove[j]) {
            abbinata[i++] = j++;
        } else if (at(i + 1, j) >= at(i, j + 1)) {
            ++i;
        } else {
            ++j;
        }
    }
    // A group survives when all its words are there, side by side.
    std::vector<const Gruppo*> tenuto(m, nullptr);
    std::size_t k = 0;
    for (const Gruppo& gr : gruppi) {
        const std::size_t primo = abbinata[k];
        bool intero = primo < m;
        for (std::size_t w = 0; w < gr.parole.size(); ++w)
            intero = intero && abbinata[k + w] == primo + w;
        if (intero)
            tenuto[primo] = &gr;
        else if (perse && !gr.risposte.empty())
            ++*perse;
        k += gr.parole.size();
    }
    std::vector<Gruppo> v;
    for (std::size_t j = 0; j < m;) {
        if (tenuto[j]) {
            v.push_back(*tenuto[j]);
            j += tenuto[j]->parole.size();
        } else {
            v.push_back({{nuove[j]}, {}, {}});
            ++j;
        }
    }
    return v;
}

Compositore::Taglio Compositore::confronta(std::string_view testo) const {
    Taglio t;
    t.gruppi = static_cast<int>(taglia(testo, &t.perse).size());
    return t;
}

bool Compositore::ritaglia(std::string_view testo) {
    std::vector<Gruppo> v = taglia(testo, nullptr);
    if (static_cast<int>(v.size()) > maxGruppi) return false;
    gruppi = std::move(v);
    primoDaFare();
    return true;
}

int Compositore::analizzati() const {
    return static_cast<int>(std::count_if(gruppi.begin(), gruppi.end(),
                                          [](const Gruppo& g) { return !g.risposte.empty(); }));
}

const Compositore::Gruppo& Compositore::gruppo(int g) const {
    VERIFICA(g >= 0 && g < numeroGruppi());
    return gruppi[static_cast<std::size_t>(std::clamp(g, 0, numeroGruppi() - 1))];
}

std::string Compositore::testo(int g) const {
    const Gruppo& gr = gruppo(g);
    if (gr.esatto) return *gr.esatto;
    std::string t;
    for (const std::string& p : gr.parole) t += p + ' ';
    return t;
}

const std::vector<std::string>& Compositore::parole(int g) const {
    return gruppo(g).parole;
}

bool Compositore::impostaTesto(int g, std::string_view t) {
    if (g < 0 || g >= numeroGruppi()) return false;
    if (std::all_of(t.begin(), t.end(), spazioOCapo)) return false;
    gruppi[static_cast<std::size_t>(g)].esatto = std::string(t);
    return true;
}

bool Compositore::unisci(int g) {
    if (g < 0 || g + 1 >= numeroGruppi()) return false;
    auto primo = gruppi.begin() + g;
    auto secondo = primo + 1;
    primo->parole.insert(primo->parole.end(), secondo->parole.begin(), secondo->parole.end());
    primo->esatto.reset();
    primo->risposte.clear();
    gruppi.erase(secondo);
    attuale = g;
    return true;
}

bool Compositore::dividi(int g) {
    if (g < 0 || g >= numeroGruppi() || gruppo(g).parole.size() < 2) return false;
    const std::vector<std::string> singole = gruppo(g).parole;
    auto dove = gruppi.erase(gruppi.begin() + g);
    for (auto p = singole.rbegin(); p != singole.rend(); ++p)
        dove = gruppi.insert(dove, {{*p}, {}, {}});
    attuale = g;
    return true;
}

Compositore::Aperta Compositore::aperta(int g) const {
    if (g < 0) g = attuale;
    if (gruppi.empty()) return {Aperta::finita};
    const Gruppo& gr = gruppo(g);
    if (gr.risposte.empty()) return {Aperta::prima};
    const Risposta& r = gr.risposte.back();
    switch (r.tipo) {
    case Risposta::prima: {
        const PrimaDomanda& p = primaPer(r.indice);
        return {Aperta::domanda, Domanda::parte, p.primo, p.ultimo};
    }
    case Risposta::salto:
        return {Aperta::finita};
    case Risposta::domanda:
        break;
    }
    const Passo p = passoDopo(r.d, r.indice);
    switch (p.tipo) {
    case Passo::domanda:
        return {Aperta::domanda, p.prossima};
    case Passo::facoltativa:
        return {Aperta::facoltativa, p.prossima};
    case Passo::fine:
        break;
    }
    return {Aperta::finita};
}

bool Compositore::completa() const {
    if (gruppi.empty()) return false;
    for (int g = 0; g < numeroGruppi(); ++g)
        if (!finito(g)) return false;
    return true;
}

void Compositore::primoDaFare() {
    attuale = 0;
    while (attuale + 1 < numeroGruppi() && finito(attuale)) ++attuale;
}

void Compositore::avanza() {
    if (!finito(attuale)) return;
    for (int k = 1; k < numeroGruppi(); ++k) {
        const int g = (attuale + k) % numeroGruppi();
        if (!finito(g)) {
            attuale = g;
            return;
        }
    }
}

bool Compositore::rispondiPrima(bool var) {
    if (gruppi.empty() || aperta().tipo != Aperta::prima) return false;
    gruppi[static_cast<std::size_t>(attuale)].risposte.push_back(
        {Risposta::prima, Domanda::parte, var ? variabile.codice : invariabile.codice});
    return true;
}

bool Compositore::rispondi(Domanda d, int indice) {
    if (gruppi.empty()) return false;
    const Aperta a = aperta();
    if ((a.tipo != Aperta::domanda && a.tipo != Aperta::facoltativa) || a.d != d) return false;
    if (indice < 1 || indice > static_cast<int>(domanda(d).bottoni.size())) return false;
    if (d == Domanda::parte && (indice < a.primaParte || indice > a.ultimaParte)) return false;
    gruppi[static_cast<std::size_t>(attuale)].risposte.push_back({Risposta::domanda, d, indice});
    avanza();
    return true;
}

bool Compositore::salta() {
    if (gruppi.empty() || aperta().tipo != Aperta::facoltativa) return false;
    gruppi[static_cast<std::size_t>(attuale)].risposte.push_back({Risposta::salto});
    avanza();
    return true;
}

bool Compositore::indietro() {
    if (gruppi.empty()) return false;
    auto* r = &gruppi[static_cast<std::size_t>(attuale)].risposte;
    if (r->empty()) {
        if (attuale == 0) return false;
        --attuale;
        r = &gruppi[static_cast<std::size_t>(attuale)].risposte;
        if (r->empty()) return true;
    }
    r->pop_back();
    return true;
}

void Compositore::seleziona(int g) {
    if (g >= 0 && g < numeroGruppi()) attuale = g;
}

void Compositore::riapri(int g) {
    if (g < 0 || g >= numeroGruppi()) return;
    gruppi[static_cast<std::size_t>(g)].risposte.clear();
    attuale = g;
}

std::vector<Compositore::VoceTraccia> Compositore::traccia(int g) const {
    std::vector<VoceTraccia> t;
    if (gruppi.empty()) return t;
    for (const Risposta& r : gruppo(g < 0 ? attuale : g).risposte) {
        if (r.tipo == Risposta::prima) {
            const PrimaDomanda& p = primaPer(r.indice);
            t.push_back({p.traccia, p.colore});
        } else if (r.tipo == Risposta::domanda) {
            const Bottone& b = domanda(r.d).bottoni[static_cast<std::size_t>(r.indice - 1)];
            t.push_back({b.traccia, b.colore});
        }
    }
    return t;
}

Chiave Compositore::chiave(int g) const {
    Chiave k{};
    for (const Risposta& r : gruppo(g).risposte)
        if (r.tipo == Risposta::domanda)
            k[static_cast<std::size_t>(domanda(r.d).colonna - 1)] =
                static_cast<std::int8_t>(r.indice);
    return k;
}

Frase Compositore::frase() const {
    Frase f;
    for (int g = 0; g < numeroGruppi(); ++g) f.parole.push_back({testo(g), chiave(g)});
    return f;
}

std::string Compositore::testoFrase() const {
    std::string t;
    for (const Gruppo& gr : gruppi)
        for (const std::string& p : gr.parole) t += (t.empty() ? "" : " ") + p;
    return t;
}
