#pragma once

#include "core/albero.h"
#include "core/frasi.h"

// Decisions of the analysis that need no window: where a sentence starts,
// where the analysis goes after a finished word, what a right answer opens.

// First word under analysis: word 1, or in adjectives-only mode the first adjective.
int primaParola(const Frasi& frasi, int s, bool soloAggettivi);

struct Avanzamento {
    int nparola;     // word now under analysis (or where the search stopped)
    bool completata; // no word left: the sentence is completed
};

// After word `nparola` is finished. Every word in turn, or in adjectives-only
// mode the next adjective; never reads past the last word.
Avanzamento finisciParola(const Frasi& frasi, int s, int nparola, bool soloAggettivi);

struct DopoGiusta {
    bool fineParola;  // the word is finished
    Domanda prossima; // otherwise: the question to open
    int colonna;      // and the key column to load into attesa
};

// What follows a right answer `indice` (1-based) to question `d` for word (s, w).
DopoGiusta dopoRispostaGiusta(Domanda d, int indice, const Frasi& frasi, int s, int w);
