#include "core/statistiche.h"

#include <cmath>
#include <cstdint>

int percentualeErrori(int nerrori, int nrisposte) {
    if (nrisposte <= 0 || nerrori <= 0) return 0;
    return static_cast<int>(100LL * nerrori / nrisposte);
}

namespace {
constexpr Livello livelli[] = {
    {1, "OCCORRE ESERCITARSI", "occorre esercitarsi", {255, 128, 128}},
    {2, "SUFFICIENTE", "sufficiente", {192, 255, 255}},
    {3, "BUONO", "buono!", {128, 255, 128}},
    {4, "DISTINTO", "distinto!! ", {0, 192, 0}},
    {5, "OTTIMO", "ottimo!!!", {255, 255, 0}},
};
} // namespace

int livelloPerErrori(int errori) {
    if (errori < 1) return 5;
    if (errori == 1) return 4;
    if (errori == 2) return 3;
    if (errori == 3) return 2;
    return 1;
}

const Livello* livello(int numero) {
    if (numero < 1 || numero > 5) return nullptr;
    return &livelli[numero - 1];
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
