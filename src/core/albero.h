#pragma once

#include "core/rgb.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// The decision tree of the analysis, as data: every question, its buttons,
// the key column it checks, its trail texts and what each answer opens next.

enum class Domanda : std::uint8_t {
    parte,         // Com(1..9): part of speech
    tipo,          // art: qualifying, determinative, nominalised
    grado,         // pcf: positive, comparative, superlative
    comparativo,   // Compar
    superlativo,   // sup
    determinativo, // det
    numerale,      // numerale
    persona,       // persona
    genere,        // Masfem
    numero,        // Singplu
};
inline constexpr int numDomande = 10;

// What a right answer leads to.
struct Seguito {
    enum Tipo : std::uint8_t { apre, fineParola, genereOppureFine } tipo = fineParola;
    Domanda prossima = Domanda::parte; // for apre and genereOppureFine
};

struct Bottone {
    std::string_view didascalia; // caption of the button
    std::string_view traccia;    // text written in the trail
    Rgb colore;                  // background of the button and of its trail label
    Seguito seguito;
};

struct DescrizioneDomanda {
    std::string_view nome; // name of the button array in the window
    int colonna;           // key column that holds the right answer
    std::span<const Bottone> bottoni;
    // Word finished by this question always moves on word by word ("analisi
    // completa"), whatever the mode.
    bool fineSempreCompleta = false;
};

const DescrizioneDomanda& domanda(Domanda d);
std::span<const DescrizioneDomanda> tutteLeDomande();

// The first question, variable or invariable part of speech.
struct PrimaDomanda {
    std::string_view didascalia;
    std::string_view traccia;
    Rgb colore;
    int codice; // the answer code (10 or 11)
    int primo;  // first part of speech it opens
    int ultimo; // last part of speech it opens
};
inline constexpr PrimaDomanda variabile{
    "PARTE VARIABILE", "Parte variabile", {255, 255, 0}, 10, 1, 5};
inline constexpr PrimaDomanda invariabile{
    "PARTE  INVARIABILE", "Parte invariabile", {255, 128, 128}, 11, 6, 9};

// True when `risposta` (10 or 11) is right for a word of part of speech `parte`.
constexpr bool primaRispostaGiusta(int risposta, int parte) {
    return risposta == variabile.codice ? parte < 6 : risposta == invariabile.codice && parte > 5;
}

// Answer and error codes fixed by the tree.
inline constexpr int codiceAggettivo = 3;
