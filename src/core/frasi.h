#pragma once

#include "core/albero.h"
#include "core/frase.h"

#include <array>
#include <cstdint>
#include <string>

// The sentence bank: texts and grammatical keys of every word, addressed as
// (sentence 0..100, position 0..22). Position 0 holds the word count.
// An empty cell reads as "" or 0.
class Frasi {
public:
    static constexpr int maxFrasi = 101;
    static constexpr int maxParole = maxCelle + 1;
    static constexpr int numColonne = 10;

    // The built-in sentences, and nothing else.
    void riempi();
    void svuota();
    // Stores `f` after the sentences already held. False, and nothing stored,
    // when the bank is full or `f` has no room in a row.
    bool aggiungi(const Frase& f);
    // Sentence `s` as stored: its cells up to the last one not empty.
    Frase frase(int s) const;

    std::string testo(int s, int w) const;
    // Key column `colonna` (1..10) of cell (s, w).
    int chiave(int colonna, int s, int w) const;
    // Every column of cell (s, w).
    const Chiave& chiaveCella(int s, int w) const { return cella(s, w).chiave; }

    // The right answer to question `d` for cell (s, w), 0 where none.
    int chiave(Domanda d, int s, int w) const { return chiave(domanda(d).colonna, s, w); }
    // Words of sentence s to analyse (the fillers after them not counted).
    int numeroParole(int s) const { return chiave(1, s, 0); }

    // Number of sentences stored (indices 0..numeroFrasi()-1).
    int numeroFrasi() const { return frasiPiene; }

private:
    const Parola& cella(int s, int w) const;

    std::array<std::array<Parola, maxParole>, maxFrasi> celle{};
    int frasiPiene = 0;
};
