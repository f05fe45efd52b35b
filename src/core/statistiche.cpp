#include "core/statistiche.h"

#include <cmath>
#include <cstdint>

int percentualeErrori(int nerrori, int nrisposte) {
    if (nrisposte <= 0 || nerrori <= 0) return 0;
    return static_cast<int>(100LL * nerrori / nrisposte);
}

namespace {
constexpr DatiLivello livelli[] = {
    {Livello::occorre, "OCCORRE ESERCITARSI", "occorre esercitarsi", {255, 128, 128}},
    {Livello::sufficiente, "SUFFICIENTE", "sufficiente", {192, 255, 255}},
    {Livello::buono, "BUONO", "buono!", {128, 255, 128}},
    {Livello::distinto, "DISTINTO", "distinto!! ", {0, 192, 0}},
    {Livello::ottimo, "OTTIMO", "ottimo!!!", {255, 255, 0}},
};
} // namespace

Livello livelloPerErrori(int errori) {
    if (errori < 1) return Livello::ottimo;
    if (errori == 1) return Livello::distinto;
    if (errori == 2) return Livello::buono;
    if (errori == 3) return Livello::sufficiente;
    return Livello::occorre;
}

const DatiLivello* datiLivello(Livello l) {
    const int n = static_cast<int>(l);
    if (n < 1 || n > 5) return nullptr;
    return &livelli[n - 1];
}

int arrotondaRecord(double secondi) {
    if (!(secondi > 0)) return 0;
    if (secondi > 1e9) secondi = 1e9;
    const auto decimi = static_cast<std::int64_t>(std::floor(secondi * 10));
    std::int64_t interi = decimi / 10;
    const auto resto = decimi % 10;
    if (resto > 5 || (resto == 5 && interi % 2 == 1)) ++interi;
    return static_cast<int>(interi);
}
