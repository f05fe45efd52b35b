#pragma once

#include "core/albero.h"

#include <cstdint>
#include <string_view>

// Error percentage of a series, truncated, in exact integer arithmetic.
int percentualeErrori(int nerrori, int nrisposte);

// Level of a graded series, from its errors; soloClassifica when the result
// window opened only to show the standings.
enum class Livello : std::uint8_t {
    nessuno,
    occorre,
    sufficiente,
    buono,
    distinto,
    ottimo,
    soloClassifica,
};

struct DatiLivello {
    Livello livello;
    std::string_view nome;      // name label of the standings
    std::string_view risultato; // caption of the result label
    Rgb colore;
};

// Level of a series with `errori` wrong answers.
Livello livelloPerErrori(int errori);
// The five graded levels; nullptr for nessuno and soloClassifica.
const DatiLivello* datiLivello(Livello l);

// Best time kept for a series of `secondi`: cut to tenths, then to the
// nearest whole second with an exact half going to the even neighbour.
int arrotondaRecord(double secondi);
