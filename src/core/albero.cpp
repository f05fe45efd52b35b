#include "core/albero.h"

#include "core/verifica.h"

namespace {

constexpr Seguito fine{};
constexpr Seguito apre(Domanda d) {
    return {Seguito::apre, d};
}
constexpr Seguito genereOppureFine{Seguito::genereOppureFine, Domanda::genere};

constexpr Bottone parte[] = {
    {"Articolo", "Articolo", {255, 224, 192}, fine},
    {"Nome", "Nome", {255, 192, 128}, fine},
    {"Aggettivo", "Aggettivo", {255, 255, 192}, apre(Domanda::tipo)},
    {"Pronome", "Pronome", {255, 255, 128}, fine},
    {"Verbo", "Verbo", {128, 255, 128}, fine},
    {"Avverbio  e locuzione avv.", "Avverbio  e locuzione avv.", {192, 192, 0}, fine},
    {"Preposizione  e locuzione prep.", "Preposizione  e locuzione prep.", {0, 255, 0}, fine},
    {"Congiunzione  e locuzione cong.", "Congiunzione  e locuzione cong.", {128, 128, 255}, fine},
    {"Esclamazione  e locuzione escl.", "Esclamazione  e locuzione escl.", {255, 0, 255}, fine},
};
constexpr Bottone tipo[] = {
    {"Qualificativo", "Qualificativo", {192, 255, 192}, apre(Domanda::grado)},
    {"Determinativo", "Determinativo", {255, 255, 192}, apre(Domanda::determinativo)},
    {"Sostantivato", "Sostantivato", {174, 140, 98}, apre(Domanda::genere)},
};
constexpr Bottone grado[] = {
    {"Positivo", "Positivo", {255, 224, 192}, apre(Domanda::genere)},
    {"Comparativo", "Comparativo", {255, 192, 128}, apre(Domanda::comparativo)},
    {"Superlativo", "Superlativo", {255, 128, 0}, apre(Domanda::superlativo)},
};
constexpr Bottone comparativo[] = {
    {"Comparativo di minoranza", "di minoranza", {224, 224, 224}, apre(Domanda::genere)},
    {"Comparativo di uguaglianza", "di uguaglianza", {192, 192, 192}, apre(Domanda::genere)},
    {"Comparativo di maggioranza", "di maggioranza", {128, 128, 128}, apre(Domanda::genere)},
};
constexpr Bottone superlativo[] = {
    {"Superlativo assoluto", "Assoluto", {255, 0, 0}, apre(Domanda::genere)},
    {"Sup. relativo di maggioranza",
     "Relativo di maggioranza",
     {255, 128, 128},
     apre(Domanda::genere)},
    {"Sup. relativo di minoranza", "Relativo di minoranza", {255, 192, 192}, apre(Domanda::genere)},
};
constexpr Bottone determinativo[] = {
    {"Possessivo", "Possessivo", {192, 192, 0}, apre(Domanda::persona)},
    {"Dimostrativo", "Dimostrativo", {192, 255, 192}, apre(Domanda::genere)},
    // An invariable indefinite (ogni, qualche) has no gender to ask.
    {"Indefinito", "Indefinito", {224, 224, 224}, genereOppureFine},
    {"Numerale", "Numerale", {255, 255, 255}, apre(Domanda::numerale)},
    {"?  Interrogativo", "Interrogativo", {255, 192, 192}, apre(Domanda::genere)},
    {"!  Esclamativo", "esclamativo", {255, 128, 0}, apre(Domanda::genere)},
};
// Numerals are not asked gender and number.
constexpr Seguito genereMaiChiesto{Seguito::genereMaiChiesto, Domanda::genere};
constexpr Bottone numerale[] = {
    {"Cardinale", "Cardinale", {255, 192, 192}, genereMaiChiesto},
    {"Ordinale", "Ordinale", {224, 224, 224}, genereMaiChiesto},
    {"Moltiplicativo", "Moltiplicativo", {128, 255, 128}, genereMaiChiesto},
    {"Frazionario", "Frazionario", {192, 192, 255}, genereMaiChiesto},
    {"Collettivo", "Collettivo", {255, 192, 255}, genereMaiChiesto},
    {"Distributivo", "Distributivo", {255, 255, 192}, genereMaiChiesto},
};
constexpr Bottone persona[] = {
    {"1° persona", "1° persona", {192, 192, 0}, apre(Domanda::genere)},
    {"2° persona", "2° persona", {192, 192, 0}, apre(Domanda::genere)},
    {"3° persona", "3° persona", {192, 192, 0}, apre(Domanda::genere)},
};
constexpr Bottone genere[] = {
    {"Maschile", "Maschile", {0, 255, 255}, apre(Domanda::numero)},
    {"Femminile", "Femminile", {255, 192, 192}, apre(Domanda::numero)},
};
constexpr Bottone numero[] = {
    {"Singolare", "Singolare", {224, 224, 224}, fine},
    {"Plurale", "Plurale", {255, 192, 255}, fine},
};

// In the order of the Domanda enumeration.
const DescrizioneDomanda domande[numDomande] = {
    {"Com", 1, parte, true},    {"art", 2, tipo},        {"pcf", 3, grado},
    {"Compar", 5, comparativo}, {"sup", 6, superlativo}, {"det", 4, determinativo},
    {"numerale", 8, numerale},  {"persona", 7, persona}, {"Masfem", 9, genere},
    {"Singplu", 10, numero},
};

} // namespace

const DescrizioneDomanda& domanda(Domanda d) {
    const auto i = static_cast<int>(d);
    VERIFICA(i >= 0 && i < numDomande);
    return domande[i];
}

std::span<const DescrizioneDomanda> tutteLeDomande() {
    return domande;
}

Passo passoDopo(Domanda d, int indice) {
    const auto& b = domanda(d).bottoni;
    VERIFICA(indice >= 1 && indice <= static_cast<int>(b.size()));
    if (indice < 1 || indice > static_cast<int>(b.size())) return {};
    const Seguito s = b[static_cast<std::size_t>(indice - 1)].seguito;
    switch (s.tipo) {
    case Seguito::apre:
        return {Passo::domanda, s.prossima};
    case Seguito::genereOppureFine:
    case Seguito::genereMaiChiesto:
        return {Passo::facoltativa, s.prossima};
    case Seguito::fineParola:
        break;
    }
    return {};
}

Passo passoDopo(Domanda d, int indice, const Chiave& k, Uso chi) {
    const Passo p = passoDopo(d, indice);
    if (p.tipo != Passo::facoltativa) return p;
    const bool chiesta = chi == Uso::file ||
                         domanda(d).bottoni[static_cast<std::size_t>(indice - 1)].seguito.tipo ==
                             Seguito::genereOppureFine;
    if (chiesta && risposta(k, p.prossima) != 0) return {Passo::domanda, p.prossima};
    return {};
}

int risposta(const Chiave& k, Domanda d) {
    return k[static_cast<std::size_t>(domanda(d).colonna - 1)];
}
