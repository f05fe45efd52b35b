#include "services/audio.h"

#include <string>

void Audio::suonaesatto(std::string_view nome) {
    casuale.rimescola();
    int k = static_cast<int>(casuale.uniforme() * 5) + 1;
    if (k < 1 || k > 5) k = 1;
    std::string file(nome);
    if (k > 1) file += std::to_string(k);
    lettore.riproduci(file);
}
