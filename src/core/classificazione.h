#pragma once

#include "core/albero.h"

#include <string>
#include <string_view>

// A word's classification as a sentence file writes it: the answers of the
// decision tree, in the order it asks them, separated by commas. Case and
// runs of spaces do not matter, the button caption and the trail text are
// both accepted, and so are the grammar books' spellings ("1ª persona",
// "prima persona", "Comparativo di maggioranza" standing for the degree and its
// kind); "e locuzione ..." may be left out, and "Parte variabile" /
// "Parte invariabile" may lead. A numeral may go on with gender and number,
// which are stored but never asked. "riempitivo" is a blank cell after the
// last word.

inline constexpr std::string_view parolaRiempitivo = "riempitivo";

// The classification of one word, as written after "|".
struct Classificazione {
    Chiave chiave{};
    bool riempitivo = false;
    std::string errore; // empty when the classification is a complete path of the tree
};
Classificazione leggiClassificazione(std::string_view testo);

// The inverse, for a key that passes the checks.
std::string scriviClassificazione(const Chiave& k);

// The answers as a file spells them: the trail text, "e locuzione ..." left
// out, and the correct ordinal where the pupils' button has "1°".
std::string parolaRisposta(Domanda d, int indice);
