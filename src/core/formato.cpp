#include "core/formato.h"

#include "core/frasi.h"

#include <algorithm>

namespace {

bool spazio(char c) {
    return c == ' ' || c == '\t';
}

std::string_view pulito(std::string_view s) {
    while (!s.empty() && spazio(s.front())) s.remove_prefix(1);
    while (!s.empty() && spazio(s.back())) s.remove_suffix(1);
    return s;
}

// Runs of spaces become one; with `minuscole`, ASCII letters lower case too.
std::string compatto(std::string_view s, bool minuscole) {
    std::string r;
    bool pausa = false;
    for (char c : s) {
        if (spazio(c)) {
            pausa = !r.empty();
            continue;
        }
        if (pausa) r += ' ';
        pausa = false;
        r += minuscole && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return r;
}

// Calls f(code point) for each character; false when `s` is not valid UTF-8.
template <class F> bool perCarattere(std::string_view s, F f) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            f(static_cast<char32_t>(c));
            ++i;
            continue;
        }
        std::size_t lunghezza = 1;
        char32_t cp = c;
        if (c >= 0xC2 && c <= 0xDF) {
            lunghezza = 2;
            cp = c & 0x1Fu;
        } else if (c >= 0xE0 && c <= 0xEF) {
            lunghezza = 3;
            cp = c & 0x0Fu;
        } else if (c >= 0xF0 && c <= 0xF4) {
            lunghezza = 4;
            cp = c & 0x07u;
        } else {
            return false;
        }
        if (lunghezza > s.size() - i) return false;
        for (std::size_t k = 1; k < lunghezza; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0u) != 0x80u) return false;
            cp = (cp << 6) | (d & 0x3Fu);
        }
        // Overlong forms, surrogates and code points past Unicode are not UTF-8.
        if ((lunghezza == 3 && cp < 0x800) || (lunghezza == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        f(cp);
        i += lunghezza;
    }
    return true;
}

// Characters that do not show, or show something else than they are.
bool controllo(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xFEFF || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

int caratteri(std::string_view s) {
    int n = 0;
    for (char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u) ++n;
    return n;
}

std::string tra(std::string_view s) {
    return "«" + std::string(s) + "»";
}

const std::string messaggioUtf8 =
    "la riga non è testo UTF-8: salva il file con la codifica UTF-8 (in Blocco note: "
    "\"Salva con nome\", codifica UTF-8)";
const std::string messaggioControllo =
    "la riga contiene un carattere di controllo o invisibile: riscrivila a mano";

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

bool tra(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

// Index (1-based) of the answer to `d` spelt `voce` (normalised), or 0.
int trova(Domanda d, const std::string& voce) {
    const auto& r = forme().risposte[static_cast<std::size_t>(d)];
    for (std::size_t k = 0; k < r.size(); ++k)
        if (tra(r[k], voce)) return static_cast<int>(k) + 1;
    return 0;
}

std::string possibili(Domanda d) {
    std::string r;
    const int n = static_cast<int>(domanda(d).bottoni.size());
    for (int k = 1; k <= n; ++k) r += (k > 1 ? ", " : "") + tra(parolaRisposta(d, k));
    return r;
}

bool soloSpazi(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' '; });
}

// A quoted text: its content and where the closing quote ends, or npos when
// the quote is never closed.
std::size_t fineVirgolette(std::string_view s, std::string* contenuto) {
    std::size_t i = 1;
    while (i < s.size()) {
        if (s[i] == '"') {
            if (i + 1 < s.size() && s[i + 1] == '"') {
                if (contenuto) *contenuto += '"';
                i += 2;
                continue;
            }
            return i + 1;
        }
        if (contenuto) *contenuto += s[i];
        ++i;
    }
    return std::string_view::npos;
}

bool intestazione(std::string_view riga) {
    if (riga.size() < 5 || riga.find('|') != std::string_view::npos) return false;
    for (std::size_t i = 0; i < 5; ++i)
        if ((riga[i] | 0x20) != "frase"[i]) return false;
    if (riga.size() == 5) return true;
    const char c = riga[5];
    return !((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'));
}

struct ErroreFrase {
    int posizione; // 0 = the whole sentence, else the word
    std::string testo;
};

// `chiaviLette`: texts and keys come from the parser, checked already.
std::vector<ErroreFrase> erroriInFrase(const Frase& f, bool chiaviLette) {
    std::vector<ErroreFrase> e;
    int parole = 0;
    int primoRiempitivo = 0;
    bool aggettivo = false;
    for (std::size_t i = 0; i < f.parole.size(); ++i) {
        const Parola& p = f.parole[i];
        const int pos = static_cast<int>(i) + 1;
        if (!chiaviLette)
            if (std::string t = erroreTesto(p.testo); !t.empty()) e.push_back({pos, t});
        if (p.chiave[0] == 0) {
            if (primoRiempitivo == 0) primoRiempitivo = pos;
            if (!soloSpazi(p.testo))
                e.push_back({pos, "una cella " + tra(parolaRiempitivo) +
                                      " ha per testo solo spazi, tra virgolette (per esempio "
                                      "\"   \")"});
            if (p.chiave != Chiave{}) e.push_back({pos, "una cella vuota non ha analisi"});
            continue;
        }
        ++parole;
        if (primoRiempitivo)
            e.push_back({primoRiempitivo, "una cella " + tra(parolaRiempitivo) +
                                              " può stare solo dopo l'ultima parola della frase"});
        primoRiempitivo = 0;
        aggettivo = aggettivo || p.chiave[0] == codiceAggettivo;
        if (soloSpazi(p.testo)) e.push_back({pos, "il testo della parola è fatto solo di spazi"});
        if (chiaviLette) continue;
        const Classificazione c = leggiClassificazione(scriviClassificazione(p.chiave));
        if (!c.errore.empty() || c.chiave != p.chiave)
            e.push_back({pos, "l'analisi non segue le domande dell'albero" +
                                  (c.errore.empty() ? std::string() : ": " + c.errore)});
    }
    const int celle = static_cast<int>(f.parole.size());
    if (parole == 0) {
        e.push_back({0, "la frase non ha parole"});
        return e;
    }
    if (celle > Frasi::maxParole - 1)
        e.push_back({0, "la frase ha " + std::to_string(celle) + " righe di parole: al massimo " +
                            std::to_string(Frasi::maxParole - 1)});
    if (!aggettivo)
        e.push_back({0, "la frase non ha aggettivi: con \"solo aggettivi\" non ci sarebbe niente "
                        "da chiedere"});
    return e;
}

} // namespace

std::string parolaRisposta(Domanda d, int indice) {
    const auto& b = domanda(d).bottoni;
    if (indice < 1 || indice > static_cast<int>(b.size())) return {};
    std::string t = compatto(b[static_cast<std::size_t>(indice - 1)].traccia, false);
    if (const auto p = t.find(" e locuzione"); p != std::string::npos) t.resize(p);
    return t;
}

std::string erroreTesto(std::string_view testo) {
    bool vietato = false;
    if (!perCarattere(testo, [&](char32_t c) { vietato = vietato || controllo(c); }))
        return "il testo non è UTF-8: salva il file con la codifica UTF-8";
    if (vietato) return "il testo contiene un carattere di controllo o invisibile";
    std::string_view visibile = testo;
    while (!visibile.empty() && visibile.back() == ' ') visibile.remove_suffix(1);
    if (const int n = caratteri(visibile); n > maxLunghezzaTesto)
        return "il testo " + tra(pulito(testo)) + " è troppo lungo per la finestra (" +
               std::to_string(n) + " caratteri; al massimo " + std::to_string(maxLunghezzaTesto) +
               ")";
    if (const int n = caratteri(testo); n > maxCaratteriCella)
        return "il testo ha troppi spazi (" + std::to_string(n) +
               " caratteri in tutto, spazi compresi; al massimo " +
               std::to_string(maxCaratteriCella) + ")";
    return {};
}

TestoParola leggiTesto(std::string_view scritto) {
    TestoParola r;
    const std::string_view s = pulito(scritto);
    if (s.empty()) {
        r.errore = "manca il testo della parola prima di «|»";
        return r;
    }
    if (s.front() == '"') {
        const std::size_t fine = fineVirgolette(s, &r.testo);
        if (fine == std::string_view::npos) {
            r.errore = "manca la virgoletta \" che chiude il testo";
            return r;
        }
        if (fine != s.size()) {
            r.errore = "dopo la virgoletta che chiude il testo deve venire «|»";
            return r;
        }
    } else {
        r.testo = std::string(s) + ' ';
    }
    r.errore = erroreTesto(r.testo);
    return r;
}

Classificazione leggiClassificazione(std::string_view testo) {
    Classificazione r;
    std::vector<std::string> voci;    // normalised
    std::vector<std::string> scritte; // as written, for the messages
    std::size_t inizio = 0;
    while (inizio <= testo.size()) {
        std::size_t fine = testo.find(',', inizio);
        if (fine == std::string_view::npos) fine = testo.size();
        std::string v = compatto(testo.substr(inizio, fine - inizio), false);
        if (!v.empty()) {
            std::string minuscola = v;
            for (char& c : minuscola)
                if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            voci.push_back(std::move(minuscola));
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
    if (tra(forme().prima[0], voci[0])) prima = &variabile;
    if (tra(forme().prima[1], voci[0])) prima = &invariabile;
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
    // Every turn takes one answer, so the walk ends within voci.size() + 1 turns.
    for (;;) {
        if (i == voci.size()) {
            if (d == Domanda::parte)
                r.errore = "manca la parte del discorso: " + possibili(d);
            else
                r.errore = "l'analisi è incompleta: dopo " + tra(dopo()) +
                           " manca una risposta tra " + possibili(d);
            return r;
        }
        const DescrizioneDomanda& q = domanda(d);
        const int k = trova(d, voci[i]);
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
            r.errore = tra(scritte[0]) + " non va d'accordo con " + tra(scritte[i]);
            return r;
        }
        r.chiave[static_cast<std::size_t>(q.colonna - 1)] = static_cast<std::int8_t>(k);
        domandaPrima = d;
        indicePrima = k;
        ++i;
        const Seguito seg = q.bottoni[static_cast<std::size_t>(k - 1)].seguito;
        facoltativa = false;
        if (seg.tipo == Seguito::apre) {
            d = seg.prossima;
            continue;
        }
        // An indefinite may stop before its gender; a numeral may go on with
        // gender and number, stored though the tree never asks them.
        if ((seg.tipo == Seguito::genereOppureFine || d == Domanda::numerale) && i < voci.size()) {
            d = Domanda::genere;
            facoltativa = true;
            continue;
        }
        if (i < voci.size()) {
            r.errore =
                "l'analisi finisce dopo " + tra(dopo()) + ": " + tra(scritte[i]) + " è di troppo";
            return r;
        }
        return r;
    }
}

std::vector<std::string> erroriFrase(const Frase& f) {
    std::vector<std::string> v;
    for (ErroreFrase& e : erroriInFrase(f, false))
        v.push_back(e.posizione ? "parola " + std::to_string(e.posizione) + ": " + e.testo
                                : std::move(e.testo));
    return v;
}

Lettura leggiFrasi(std::string_view contenuto) {
    Lettura l;
    auto problema = [&l](int riga, std::string testo) {
        if (static_cast<int>(l.problemi.size()) < maxProblemi)
            l.problemi.push_back({riga, std::move(testo)});
        else
            ++l.altriProblemi;
    };
    if (contenuto.starts_with("\xFF\xFE") || contenuto.starts_with("\xFE\xFF")) {
        problema(0, "il file è salvato in UTF-16: salvalo con la codifica UTF-8");
        return l;
    }
    if (contenuto.starts_with("\xEF\xBB\xBF")) contenuto.remove_prefix(3);

    Frase frase;
    std::vector<int> righe; // line of each word of `frase`
    bool aperta = false;
    bool rotta = false;
    bool qualcosa = false;
    auto chiudi = [&] {
        if (!aperta) return;
        if (!rotta) {
            for (ErroreFrase& e : erroriInFrase(frase, true)) {
                const int riga =
                    e.posizione ? righe[static_cast<std::size_t>(e.posizione - 1)] : frase.riga;
                problema(riga, std::move(e.testo));
                rotta = true;
            }
        }
        if (rotta)
            ++l.scartate;
        else
            l.frasi.push_back(std::move(frase));
        frase = {};
        righe.clear();
        aperta = rotta = false;
    };
    auto apri = [&](int riga) {
        chiudi();
        aperta = true;
        rotta = false;
        frase.riga = riga;
        qualcosa = true;
    };

    int numero = 0;
    std::size_t pos = 0;
    while (pos < contenuto.size()) {
        std::size_t fine = contenuto.find('\n', pos);
        if (fine == std::string_view::npos) fine = contenuto.size();
        std::string_view riga = contenuto.substr(pos, fine - pos);
        pos = fine + 1;
        ++numero;
        if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
        const std::string_view s = pulito(riga);
        if (s.empty() || s.front() == '#') continue;
        if (intestazione(s)) {
            apri(numero);
            continue;
        }
        bool vietato = false;
        const bool utf8 = perCarattere(
            riga, [&](char32_t c) { vietato = vietato || (c != '\t' && controllo(c)); });
        std::string errore;
        if (!utf8)
            errore = messaggioUtf8;
        else if (vietato)
            errore = messaggioControllo;
        const std::size_t inizioTesto = riga.find_first_not_of(" \t");
        std::size_t barra = std::string_view::npos;
        if (errore.empty()) {
            std::size_t da = inizioTesto;
            if (riga[inizioTesto] == '"') {
                const std::size_t f = fineVirgolette(riga.substr(inizioTesto), nullptr);
                if (f != std::string_view::npos) da = inizioTesto + f;
            }
            barra = riga.find('|', da);
            if (barra == std::string_view::npos) barra = riga.find('|');
            if (barra == std::string_view::npos)
                errore = "riga non capita: una parola si scrive «testo | analisi», una frase "
                         "nuova comincia con una riga «frase»";
        }
        if (!aperta && errore.empty()) {
            // Words before any "frase" line: a sentence without its start, left out.
            apri(numero);
            rotta = true;
            errore = "questa parola non appartiene a una frase: scrivi prima una riga «frase»";
        }
        if (errore.empty()) {
            TestoParola t = leggiTesto(riga.substr(0, barra));
            Classificazione c = leggiClassificazione(riga.substr(barra + 1));
            if (!t.errore.empty())
                errore = t.errore;
            else if (!c.errore.empty())
                errore = c.errore;
            else if (c.riempitivo && !soloSpazi(t.testo))
                errore = "una cella " + tra(parolaRiempitivo) +
                         " ha per testo solo spazi, tra virgolette (per esempio \"   \")";
            else if (!c.riempitivo && soloSpazi(t.testo))
                errore = "il testo della parola è fatto solo di spazi";
            if (errore.empty()) {
                frase.parole.push_back({std::move(t.testo), c.chiave});
                righe.push_back(numero);
            }
        }
        if (!errore.empty()) {
            problema(numero, std::move(errore));
            rotta = aperta;
        }
    }
    chiudi();
    if (!qualcosa) problema(0, "il file non contiene nessuna frase");
    return l;
}

std::string scriviClassificazione(const Chiave& k) {
    if (k[0] == 0) return std::string(parolaRiempitivo);
    std::string r;
    Domanda d = Domanda::parte;
    for (int passi = 0; passi < numDomande; ++passi) {
        const DescrizioneDomanda& q = domanda(d);
        const int v = k[static_cast<std::size_t>(q.colonna - 1)];
        if (v < 1 || v > static_cast<int>(q.bottoni.size())) break;
        if (!r.empty()) r += ", ";
        r += parolaRisposta(d, v);
        const Seguito seg = q.bottoni[static_cast<std::size_t>(v - 1)].seguito;
        if (seg.tipo == Seguito::apre) {
            d = seg.prossima;
            continue;
        }
        const int genere = k[static_cast<std::size_t>(domanda(Domanda::genere).colonna - 1)];
        if ((seg.tipo == Seguito::genereOppureFine || d == Domanda::numerale) && genere != 0) {
            d = Domanda::genere;
            continue;
        }
        break;
    }
    return r;
}

std::string scriviTesto(std::string_view testo) {
    const bool normale = testo.size() >= 2 && testo.back() == ' ' && !spazio(testo.front()) &&
                         !spazio(testo[testo.size() - 2]) && testo.front() != '"' &&
                         testo.front() != '#' && testo.find('|') == std::string_view::npos &&
                         testo.find('\t') == std::string_view::npos;
    if (normale) return std::string(testo.substr(0, testo.size() - 1));
    std::string r = "\"";
    for (char c : testo) r += c == '"' ? std::string("\"\"") : std::string(1, c);
    return r + '"';
}

std::string testoFrase(const Frase& f) {
    std::string r;
    for (const Parola& p : f.parole) {
        const std::string c = compatto(p.testo, false);
        if (c.empty()) continue;
        if (!r.empty()) r += ' ';
        r += c;
    }
    return r;
}

std::string scriviFrasi(std::span<const Frase> frasi) {
    std::string r;
    for (const Frase& f : frasi) {
        if (!r.empty()) r += '\n';
        std::string titolo = testoFrase(f);
        // A bar would make the line a word.
        std::replace(titolo.begin(), titolo.end(), '|', '/');
        r += "frase: " + titolo + '\n';
        int larghezza = 0;
        for (const Parola& p : f.parole)
            larghezza = std::max(larghezza, caratteri(scriviTesto(p.testo)));
        for (const Parola& p : f.parole) {
            const std::string t = scriviTesto(p.testo);
            r += t + std::string(static_cast<std::size_t>(larghezza - caratteri(t)), ' ') + " | " +
                 scriviClassificazione(p.chiave) + '\n';
        }
    }
    return r;
}

std::string formatta(std::string_view file, const Problema& p) {
    std::string r(file);
    if (p.riga > 0) r += ':' + std::to_string(p.riga);
    return r + ": " + p.testo;
}
