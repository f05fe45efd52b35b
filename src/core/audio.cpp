#include "core/audio.h"

void Audio::suonaesatto() {
    static constexpr Suono evviva[] = {Suono::esatto, Suono::esatto2, Suono::esatto3,
                                       Suono::esatto4, Suono::esatto5};
    casuale_.rimescola();
    int k = static_cast<int>(casuale_.uniforme() * 5);
    if (k < 0 || k > 4) k = 0;
    lettore_.riproduci(evviva[k]);
}
