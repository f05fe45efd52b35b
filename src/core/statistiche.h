#pragma once

#include "core/albero.h"

#include <string_view>

// Error percentage of a series, truncated, in exact integer arithmetic.
int percentualeErrori(int nerrori, int nrisposte);

struct Livello {
    int numero;                 // 1..5
    std::string_view nome;      // name label of the standings
    std::string_view risultato; // caption of the result label
    Rgb colore;
};

// Level of a series with `errori` wrong answers.
int livelloPerErrori(int errori);
// Levels 1..5; nullptr for any other value.
const Livello* livello(int numero);

// Best time kept for a series of `secondi`: cut to tenths, then to the
// nearest whole second with an exact half going to the even neighbour.
int arrotondaRecord(double secondi);
