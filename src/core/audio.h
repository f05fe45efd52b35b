#pragma once

#include "core/servizi.h"
#include "core/suoni.h"

// The program's sound effects.
class Audio {
public:
    Audio(Lettore& lettore, Casuale& casuale) : lettore_(lettore), casuale_(casuale) {}

    void suona(Suono s) { lettore_.riproduci(s); }
    // One of the five cheers (esatto, esatto2 .. esatto5) at random.
    void suonaesatto();

private:
    Lettore& lettore_;
    Casuale& casuale_;
};
