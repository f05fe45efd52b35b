#pragma once

#include "services/servizi.h"

#include <string_view>

// The program's sound effects, by name.
class Audio {
public:
    Audio(Lettore& lettore, Casuale& casuale) : lettore(lettore), casuale(casuale) {}

    void suona(std::string_view nome) { lettore.riproduci(nome); }
    // One of the five cheers (nome, nome2 .. nome5) at random.
    void suonaesatto(std::string_view nome);

private:
    Lettore& lettore;
    Casuale& casuale;
};
