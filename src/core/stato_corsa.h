#pragma once

#include "core/frasi.h"
#include "core/statistiche.h"
#include "core/valore.h"

#include <array>
#include <cstdint>
#include <optional>

// How the analysis goes through a sentence.
enum class Modo : std::uint8_t { ogniParola, soloAggettivi };

// Where a wrong answer is counted in the error log: the part of speech that
// should have been seen (an adjective's own questions count as the
// adjective), or the button of the first question.
enum class Categoria : std::int8_t {
    nessuna = -1,
    articolo = 1,
    nome,
    aggettivo,
    pronome,
    verbo,
    avverbio,
    preposizione,
    congiunzione,
    esclamazione,
    parteVariabile,
    parteInvariabile,
};

// The program-wide run state, shared by every window. One object, owned by main.
struct StatoCorsa {
    std::optional<Modo> modo;                 // unset until chosen: every word
    int numfrasi = 0;                         // sentences VIA draws from
    int nfrase = 0;                           // sentence on screen
    int nparola = 0;                          // word under analysis
    int attesa = 0;                           // code expected by the open question
    int risposta = 0;                         // code of the answer just given
    int ndisplay = 0;                         // next label of the answer trail
    Categoria categoria = Categoria::nessuna; // of the adjective's own questions
    // Errors by category, blank in the log until the first one.
    std::array<Valore, 21> contaerrori{};
    int nrisposte = 0;                  // answers in the current series
    int nerrori = 0;                    // wrong answers in the current series
    int maxrisposte = 0;                // answers that close a series
    Livello livello = Livello::nessuno; // of the last grading
    int nottimo = 0, ndistinto = 0, nbuono = 0, nsufficiente = 0, noccorre = 0;
    int record = 0;    // best time of an error-free series, seconds
    Valore inizio;     // clock origin (monotonic seconds)
    Valore iniziotest; // start of the current series (monotonic seconds)
    bool avviato = false;
    std::array<bool, Frasi::maxFrasi> fatta{}; // drawn already
    Frasi frasi;
};
