#include "core/classificazione.h"

#include "core/testo.h"

#include <algorithm>
#include <vector>

namespace {

// The spellings a teacher writes besides the button's caption and the trail's
// text. `scritta`, when given, is how a file writes the answer: the trail
// keeps the pupils' "1° persona", a file the correct Italian ordinal.
struct AltraGrafia {
    Domanda d;
    int indice;
    std::string_view scritta;
    std::array<std::string_view, 5> forme;
};
constexpr AltraGrafia altreGrafie[] = {
    {Domanda::persona,
     1,
     "1ª persona",
     {"1a persona", "prima persona", "1^ persona", "1º persona"}},
    {Domanda::persona,
     2,
     "2ª persona",
     {"2a persona", "seconda persona", "2^ persona", "2º persona"}},
    {Domanda::persona,
     3,
     "3ª persona",
     {"3a persona", "terza persona", "3^ persona", "3º persona"}},
    {Domanda::determinativo, 6, "Esclamativo", {}},
    {Domanda::superlativo, 2, {}, {"Superlativo relativo di maggioranza"}},
    {Domanda::superlativo, 3, {}, {"Superlativo relativo di minoranza"}},
    {Domanda::parte, 6, {}, {"Avverbio e locuzione avverbiale", "Locuzione avverbiale"}},
    {Domanda::parte,
     7,
     {},
     {"Preposizione e locuzione prepositiva", "Preposizione e locuzione preposizionale",
      "Locuzione prepositiva", "Locuzione preposizionale"}},
    {Domanda::parte, 8, {}, {"Congiunzione e locuzione congiuntiva", "Locuzione congiuntiva"}},
    {Domanda::parte,
     9,
     {},
     {"Esclamazione e locuzione esclamativa", "Locuzione esclamativa", "Interiezione"}},
};

// Every way a file may spell each answer, normalised, per question and Index.
struct Forme {
    std::array<std::vector<std::vector<std::string>>, numDomande> risposte;
    std::array<std::vector<std::string>, 2> prima; // variabile, invariabile
};

void aggiungiForme(std::vector<std::string>& v, std::string_view scritto) {
    std::string f = compatto(scritto, true);
    // "Avverbio  e locuzione avv.": the locution part may be left out.
    if (const auto p = f.find(" e locuzione"); p != std::string::npos) v.push_back(f.substr(0, p));
    v.push_back(std::move(f));
}

const Forme& forme() {
    static const Forme tutte = [] {
        Forme f;
        for (int d = 0; d < numDomande; ++d) {
            for (const Bottone& b : domanda(static_cast<Domanda>(d)).bottoni) {
                std::vector<std::string> v;
                aggiungiForme(v, b.didascalia);
                aggiungiForme(v, b.traccia);
                f.risposte[static_cast<std::size_t>(d)].push_back(std::move(v));
            }
        }
        for (const AltraGrafia& g : altreGrafie) {
            auto& v =
                f.risposte[static_cast<std::size_t>(g.d)][static_cast<std::size_t>(g.indice - 1)];
            if (!g.scritta.empty()) aggiungiForme(v, g.scritta);
            for (std::string_view forma : g.forme)
                if (!forma.empty()) aggiungiForme(v, forma);
        }
        const PrimaDomanda* prime[] = {&variabile, &invariabile};
        for (std::size_t i = 0; i < 2; ++i) {
            aggiungiForme(f.prima[i], prime[i]->didascalia);
            aggiungiForme(f.prima[i], prime[i]->traccia);
            // "variabile" alone: the word after "parte".
            f.prima[i].push_back(f.prima[i].back().substr(f.prima[i].back().find(' ') + 1));
        }
        return f;
    }();
    return tutte;
}

bool contiene(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

// Index (1-based) of the answer to `d` spelt `voce` (normalised), or 0.
int trova(Domanda d, const std::string& voce) {
    const auto& r = forme().risposte[static_cast<std::size_t>(d)];
    for (std::size_t k = 0; k < r.size(); ++k)
        if (contiene(r[k], voce)) return static_cast<int>(k) + 1;
    return 0;
}

std::string possibili(Domanda d) {
    std::string r;
    const int n = static_cast<int>(domanda(d).bottoni.size());
    for (int k = 1; k <= n; ++k) r += (k > 1 ? ", " : "") + tra(parolaRisposta(d, k));
    return r;
}

// "Comparativo di maggioranza", "Superlativo assoluto": the degree and its
// kind in one answer, as grammar books name them.
bool nomeIntero(const std::string& voce) {
    return voce.starts_with("comparativo ") || voce.starts_with("superlativo ") ||
           voce.starts_with("sup. ");
}

} // namespace

std::string parolaRisposta(Domanda d, int indice) {
    const auto& b = domanda(d).bottoni;
    if (indice < 1 || indice > static_cast<int>(b.size())) return {};
    for (const AltraGrafia& g : altreGrafie)
        if (g.d == d && g.indice == indice && !g.scritta.empty()) return std::string(g.scritta);
    std::string t = compatto(b[static_cast<std::size_t>(indice - 1)].traccia, false);
    if (const auto p = t.find(" e locuzione"); p != std::string::npos) t.resize(p);
    return t;
}

Classificazione leggiClassificazione(std::string_view testo) {
    Classificazione r;
    std::vector<std::string> voci;    // normalised
    std::vector<std::string> scritte; // as written, for the messages
    std::size_t inizio = 0;
    while (inizio <= testo.size()) {
        std::size_t fine = testo.find(',', inizio);
        if (fine == std::string_view::npos) fine = testo.size();
        const std::string_view voce = testo.substr(inizio, fine - inizio);
        if (std::string v = compatto(voce, false); !v.empty()) {
            voci.push_back(compatto(voce, true));
            scritte.push_back(std::move(v));
        }
        inizio = fine + 1;
    }
    if (voci.empty()) {
        r.errore = "manca l'analisi dopo «|»";
        return r;
    }
    if (voci.size() == 1 && voci[0] == parolaRiempitivo) {
        r.riempitivo = true;
        return r;
    }

    std::size_t i = 0;
    const PrimaDomanda* prima = nullptr;
    if (contiene(forme().prima[0], voci[0])) prima = &variabile;
    if (contiene(forme().prima[1], voci[0])) prima = &invariabile;
    if (prima) ++i;

    Domanda d = Domanda::parte;
    // The last answer, for the messages: its question and Index.
    Domanda domandaPrima = Domanda::parte;
    int indicePrima = 0;
    auto dopo = [&] {
        return indicePrima ? parolaRisposta(domandaPrima, indicePrima)
                           : std::string(prima ? prima->traccia : "");
    };
    bool facoltativa = false; // gender of a numeral or of an indefinite: may be left out
    // Every turn takes one answer or moves down from the degree to its kind,
    // so the walk ends within 2 * voci.size() + 1 turns.
    for (;;) {
        if (i == voci.size()) {
            if (d == Domanda::parte)
                r.errore = "manca la parte del discorso: " + possibili(d);
            else
                r.errore = "l'analisi è incompleta: dopo " + tra(dopo()) +
                           " manca una risposta tra " + possibili(d);
            return r;
        }
        const int k = trova(d, voci[i]);
        if (k == 0 && d == Domanda::grado && nomeIntero(voci[i])) {
            // The degree is named with its kind: record it, then read the same
            // words again as the kind.
            int g = 0;
            for (int n = 1; n <= static_cast<int>(domanda(d).bottoni.size()); ++n) {
                const Passo p = passoDopo(d, n);
                if (p.tipo == Passo::domanda && p.prossima != Domanda::genere &&
                    trova(p.prossima, voci[i]) != 0)
                    g = n;
            }
            if (g != 0) {
                r.chiave[static_cast<std::size_t>(domanda(d).colonna - 1)] =
                    static_cast<std::int8_t>(g);
                domandaPrima = d;
                indicePrima = g;
                d = passoDopo(d, g).prossima;
                continue;
            }
        }
        if (k == 0) {
            if (d == Domanda::parte)
                r.errore = tra(scritte[i]) + " non è una parte del discorso; le possibili sono " +
                           possibili(d);
            else if (facoltativa)
                r.errore = tra(scritte[i]) + " non va bene dopo " + tra(dopo()) +
                           ": l'analisi finisce lì, oppure continua con " + possibili(d);
            else
                r.errore = tra(scritte[i]) + " non va bene dopo " + tra(dopo()) +
                           "; le risposte possibili sono " + possibili(d);
            return r;
        }
        if (d == Domanda::parte && prima && !primaRispostaGiusta(prima->codice, k)) {
            const std::string parte = compatto(prima->traccia, true);
            r.errore = tra(scritte[i]) + " non è una " + parte + ": correggi " + tra(scritte[0]) +
                       " o toglilo";
            return r;
        }
        r.chiave[static_cast<std::size_t>(domanda(d).colonna - 1)] = static_cast<std::int8_t>(k);
        domandaPrima = d;
        indicePrima = k;
        ++i;
        const Passo p = passoDopo(d, k);
        facoltativa = p.tipo == Passo::facoltativa;
        // An optional gender is taken when the file goes on.
        if (p.tipo == Passo::domanda || (facoltativa && i < voci.size())) {
            d = p.prossima;
            continue;
        }
        if (i < voci.size()) {
            r.errore = "l'analisi finisce dopo " + tra(dopo()) + ": " + tra(scritte[i]) +
                       " è di troppo; toglilo con quello che segue";
            return r;
        }
        return r;
    }
}

std::string scriviClassificazione(const Chiave& k) {
    if (k[0] == 0) return std::string(parolaRiempitivo);
    std::string r;
    Domanda d = Domanda::parte;
    for (int passi = 0; passi < numDomande; ++passi) {
        const int v = risposta(k, d);
        if (v < 1 || v > static_cast<int>(domanda(d).bottoni.size())) break;
        if (!r.empty()) r += ", ";
        r += parolaRisposta(d, v);
        const Passo p = passoDopo(d, v, k, Uso::file);
        if (p.tipo == Passo::fine) break;
        d = p.prossima;
    }
    return r;
}
