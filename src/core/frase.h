#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// chiave1..chiave10 of one cell; 0 where the tree asks nothing.
using Chiave = std::array<std::int8_t, 10>;

// One cell of a sentence: the text as shown, spaces included, and its key.
// chiave1 = 0 marks a filler: spaces only, after the last word.
struct Parola {
    std::string testo;
    Chiave chiave{};
    bool operator==(const Parola&) const = default;
};

struct Frase {
    std::vector<Parola> parole; // positions 1, 2, ...
    int riga = 0;               // line of its "frase" line in the file it came from
};
