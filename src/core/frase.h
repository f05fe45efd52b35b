#pragma once

#include "core/albero.h"

#include <string>
#include <vector>

// One cell of a sentence: the text as shown, spaces included, and its key.
// chiave1 = 0 marks a filler: spaces only, after the last word.
struct Parola {
    std::string testo;
    Chiave chiave{};
    bool operator==(const Parola&) const = default;
};

// Cells in one sentence: the bank's row keeps its word count before them.
inline constexpr int maxCelle = 22;

struct Frase {
    std::vector<Parola> parole; // positions 1, 2, ...
    int riga = 0;               // line of its "frase" line in the file it came from
};
