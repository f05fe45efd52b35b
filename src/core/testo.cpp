#include "core/testo.h"

#include <algorithm>

std::string_view pulito(std::string_view s) {
    while (!s.empty() && spazio(s.front())) s.remove_prefix(1);
    while (!s.empty() && spazio(s.back())) s.remove_suffix(1);
    return s;
}

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

bool soloSpazi(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' '; });
}

int caratteri(std::string_view s) {
    int n = 0;
    for (char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u) ++n;
    return n;
}

std::string tra(std::string_view s) {
    // A whole line of a broken file can be huge: its start is enough to find it.
    constexpr int massimo = 60;
    int n = 0;
    for (std::size_t i = 0; i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0u) != 0x80u && ++n > massimo)
            return "«" + std::string(s.substr(0, i)) + "…»";
    return "«" + std::string(s) + "»";
}

bool controllo(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xFEFF || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

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

std::string erroreTesto(std::string_view testo) {
    bool vietato = false;
    if (!perCarattere(testo, [&](char32_t c) { vietato = vietato || controllo(c); }))
        return "il testo non è UTF-8: salva il file con la codifica UTF-8";
    if (vietato)
        return "il testo contiene un carattere di controllo o invisibile: riscrivilo a mano";
    std::string_view visibile = testo;
    while (!visibile.empty() && visibile.back() == ' ') visibile.remove_suffix(1);
    if (const int n = caratteri(visibile); n > maxLunghezzaTesto)
        return "il testo " + tra(pulito(testo)) + " è troppo lungo per la finestra (" +
               std::to_string(n) + " caratteri; al massimo " + std::to_string(maxLunghezzaTesto) +
               "): dividi il gruppo di parole o accorcialo";
    if (const int n = caratteri(testo); n > maxCaratteriCella)
        return "il testo ha troppi spazi (" + std::to_string(n) +
               " caratteri in tutto, spazi compresi; al massimo " +
               std::to_string(maxCaratteriCella) + "): togli qualche spazio tra le virgolette";
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
            r.errore = "manca la virgoletta «\"» che chiude il testo: aggiungila prima di «|»";
            return r;
        }
        if (fine != s.size()) {
            r.errore = "dopo la virgoletta che chiude il testo deve venire «|»: togli quello che "
                       "c'è in mezzo";
            return r;
        }
    } else {
        r.testo = std::string(s) + ' ';
    }
    r.errore = erroreTesto(r.testo);
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
