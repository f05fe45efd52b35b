#pragma once

#include "core/frasi.h"
#include "core/valore.h"

#include <array>

// The program-wide run state, shared by every window. One object, owned by main.
struct StatoCorsa {
    Valore modo;      // 0 every word, 1 adjectives only; unset behaves as 0
    Valore numfrasi;  // sentences VIA draws from
    Valore nfrase;    // sentence on screen
    Valore nparola;   // word under analysis
    Valore attesa;    // code expected by the open question
    Valore risposta;  // code of the answer just given
    Valore ndisplay;  // next label of the answer trail
    Valore categoria; // error category of the adjective questions
    std::array<Valore, 21> contaerrori{};
    Valore nrisposte;   // answers in the current series
    Valore nerrori;     // wrong answers in the current series
    Valore maxrisposte; // answers that close a series
    Valore livello;     // level of the last grading; 6 = standings only
    Valore nottimo, ndistinto, nbuono, nsufficiente, noccorre;
    int record = 0;    // best time of an error-free series, seconds
    Valore inizio;     // clock origin (monotonic seconds)
    Valore iniziotest; // start of the current series (monotonic seconds)
    bool avviato = false;
    std::array<Valore, Frasi::maxFrasi> fatta{};
    Frasi frasi;
};
