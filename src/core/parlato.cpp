#include "core/parlato.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace {

std::string semplifica(std::string_view s) {
    std::string r;
    for (char c : s) {
        const bool spazio = c == ' ' || c == '\t';
        if (spazio && (r.empty() || r.back() == ' ')) continue;
        r += spazio ? ' ' : c;
    }
    while (!r.empty() && r.back() == ' ') r.pop_back();
    return r;
}

void sostituisci(std::string& s, std::string_view da, std::string_view a) {
    for (auto p = s.find(da); p != std::string::npos; p = s.find(da, p + a.size()))
        s.replace(p, da.size(), a);
}

} // namespace

void Parlato::leggi(std::vector<std::string> testi) {
    ultima_ = std::move(testi);
    if (voce_) voce_->leggi(ultima_);
}

void Parlato::esito(bool giusta) {
    if (voce_) voce_->leggi({std::string(giusta ? giusto : sbagliato)});
}

void Parlato::ripeti() {
    if (voce_ && !ultima_.empty()) voce_->leggi(ultima_);
}

std::string Parlato::frase(std::span<const std::string> celle) {
    std::string r;
    bool attacca = false;
    for (const std::string& c : celle) {
        std::string p = semplifica(c);
        if (!p.empty() && p.front() == ' ') p.erase(0, 1);
        if (p.empty()) continue;
        if (!r.empty() && !attacca) r += ' ';
        attacca = p.back() == '-';
        if (attacca) p.pop_back();
        r += p;
    }
    return r;
}

std::string Parlato::parola(std::string_view cella) {
    std::string p = semplifica(cella);
    if (!p.empty() && p.front() == ' ') p.erase(0, 1);
    while (!p.empty() && std::string_view(",.;:!?-").find(p.back()) != std::string_view::npos)
        p.pop_back();
    return p;
}

std::string_view Parlato::domanda(Domanda d) {
    switch (d) {
    case Domanda::parte:
        return "Che parte del discorso è?";
    case Domanda::tipo:
        return "Che tipo di aggettivo è?";
    case Domanda::grado:
        return "Di che grado è?";
    case Domanda::comparativo:
        return "Che comparativo è?";
    case Domanda::superlativo:
        return "Che superlativo è?";
    case Domanda::determinativo:
        return "Che tipo di aggettivo determinativo è?";
    case Domanda::numerale:
        return "Che tipo di numerale è?";
    case Domanda::persona:
        return "Di che persona è?";
    case Domanda::genere:
        return "È maschile o femminile?";
    case Domanda::numero:
        return "È singolare o plurale?";
    }
    return {};
}

std::string Parlato::didascalia(std::string_view testo) {
    std::string s = semplifica(testo);
    while (!s.empty() && (s.front() == '?' || s.front() == '!' || s.front() == ' ')) s.erase(0, 1);
    // A voice spells out a word in capitals, or reads it shouting.
    if (std::none_of(s.begin(), s.end(), [](unsigned char c) { return std::islower(c); }))
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    static constexpr std::pair<std::string_view, std::string_view> abbreviazioni[] = {
        {"avv.", "avverbiale"},   {"prep.", "prepositiva"}, {"cong.", "congiuntiva"},
        {"escl.", "esclamativa"}, {"Sup.", "Superlativo"},  {"1°", "prima"},
        {"2°", "seconda"},        {"3°", "terza"}};
    for (const auto& [da, a] : abbreviazioni) sostituisci(s, da, a);
    return s;
}

std::string Parlato::livello(int livello) {
    static constexpr std::array<std::string_view, 5> nomi = {"occorre esercitarsi", "sufficiente",
                                                             "buono", "distinto", "ottimo"};
    if (livello < 1 || livello > 5) return {};
    return "Risultato della serie: " + std::string(nomi[static_cast<std::size_t>(livello - 1)]) +
           ".";
}
