#include "core/formato.h"

#include "core/incorporate.h"

#include <algorithm>

namespace {

const std::string messaggioUtf8 =
    "la riga non è testo UTF-8: salva il file con la codifica UTF-8 (in Blocco note: "
    "«Salva con nome», codifica UTF-8)";
const std::string messaggioControllo =
    "la riga contiene un carattere di controllo o invisibile: riscrivila a mano";

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
                e.push_back({pos, "una casella " + tra(parolaRiempitivo) +
                                      " ha per testo solo spazi, tra virgolette (per esempio "
                                      "\"   \")"});
            if (p.chiave != Chiave{})
                e.push_back({pos, "una casella vuota non ha analisi: dopo la barra scrivi solo " +
                                      tra(parolaRiempitivo)});
            continue;
        }
        ++parole;
        if (primoRiempitivo)
            e.push_back({primoRiempitivo, "una casella " + tra(parolaRiempitivo) +
                                              " può stare solo dopo l'ultima parola della frase: "
                                              "spostala in fondo o toglila"});
        primoRiempitivo = 0;
        aggettivo = aggettivo || p.chiave[0] == codiceAggettivo;
        if (soloSpazi(p.testo)) e.push_back({pos, "il testo della parola è fatto solo di spazi"});
        if (chiaviLette) continue;
        const Classificazione c = leggiClassificazione(scriviClassificazione(p.chiave));
        if (!c.errore.empty() || c.chiave != p.chiave)
            e.push_back({pos, "l'analisi non segue l'ordine delle domande del programma" +
                                  (c.errore.empty() ? std::string() : ": " + c.errore)});
    }
    const int celle = static_cast<int>(f.parole.size());
    if (parole == 0) {
        e.push_back({0, "la frase non ha parole: scrivile sotto la riga «frase», una per riga"});
        return e;
    }
    if (celle > maxCelle)
        e.push_back({0, "la frase ha " + std::to_string(celle) + " righe di parole: al massimo " +
                            std::to_string(maxCelle) +
                            "; unisci le parole che si analizzano insieme o dividi la frase in "
                            "due"});
    if (!aggettivo)
        e.push_back({0, "la frase non ha aggettivi: ogni frase ne vuole almeno uno, perché con "
                        "«solo aggettivi» non ci sarebbe niente da chiedere"});
    return e;
}

} // namespace

bool rigaFrase(std::string_view riga) {
    if (riga.size() < 5 || riga.find('|') != std::string_view::npos) return false;
    for (std::size_t i = 0; i < 5; ++i)
        if ((riga[i] | 0x20) != "frase"[i]) return false;
    if (riga.size() == 5) return true;
    const char c = riga[5];
    return !((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'));
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
        // A line ends at LF, CR LF or a lone CR (the old Mac editors).
        std::size_t fine = contenuto.find_first_of("\r\n", pos);
        if (fine == std::string_view::npos) fine = contenuto.size();
        const std::string_view riga = contenuto.substr(pos, fine - pos);
        pos = fine + (contenuto.substr(fine, 2) == "\r\n" ? 2 : 1);
        ++numero;
        const std::string_view s = pulito(riga);
        if (s.empty() || s.front() == '#') continue;
        if (rigaFrase(s)) {
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
                errore = "riga non riconosciuta: una parola si scrive «testo | analisi», una frase "
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
                errore = "una casella " + tra(parolaRiempitivo) +
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
    if (!qualcosa)
        problema(0, "il file non contiene nessuna frase: ogni frase comincia con una riga «frase»");
    return l;
}

namespace {

bool lettera(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool consonante(char c) {
    return lettera(c) && std::string_view("aeiouAEIOU").find(c) == std::string_view::npos;
}

// How `prima` meets the word after it, `dopo`: an elided word joins it
// ("l'utile", "dell'automobile"), an enclitic cut joins it without its hyphen
// ("comperar-", "mi": "comperarmi"). An apostrophe after a vowel is a
// truncation or an accent ("po' di", "E' la"): a space follows as usual.
std::string_view giunzione(std::string& prima, std::string_view dopo) {
    const bool iniziaLettera = !dopo.empty() && (lettera(dopo.front()) ||
                                                 static_cast<unsigned char>(dopo.front()) >= 0xC3);
    if (!iniziaLettera) return " ";
    for (std::string_view apostrofo : {std::string_view("'"), std::string_view("\u2019")})
        if (prima.size() > apostrofo.size() && prima.ends_with(apostrofo) &&
            consonante(prima[prima.size() - apostrofo.size() - 1]))
            return "";
    if (prima.size() > 1 && prima.back() == '-' && lettera(prima[prima.size() - 2]) &&
        dopo.front() >= 'a' && dopo.front() <= 'z') {
        prima.pop_back();
        return "";
    }
    return " ";
}

} // namespace

std::string testoFrase(const Frase& f) {
    std::string r;
    for (const Parola& p : f.parole) {
        const std::string c = compatto(p.testo, false);
        if (c.empty()) continue;
        if (!r.empty()) r += giunzione(r, c);
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

const std::vector<Frase>& frasiIncorporate() {
    static const std::vector<Frase> frasi = leggiFrasi(testoFrasiIncorporate()).frasi;
    return frasi;
}
