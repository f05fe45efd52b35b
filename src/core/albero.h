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

// One cell's answers: chiave1..chiave10, the Index of the right answer in
// each question's key column; 0 where the tree asks nothing.
using Chiave = std::array<std::int8_t, 10>;

// What a right answer leads to, as the table writes it.
struct Seguito {
    enum Tipo : std::uint8_t {
        apre,             // `prossima` must be answered
        fineParola,       // the word is finished
        genereOppureFine, // gender may follow; the drill asks it when the key holds one
        genereMaiChiesto, // the drill stops; a file may still store gender and number
    } tipo = fineParola;
    Domanda prossima = Domanda::parte;
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

// ---- the one walk of the tree: the parser, the writer, the run rules and
// the composer all ask here what follows an answer ----

struct Passo {
    enum Tipo : std::uint8_t {
        domanda,     // `prossima` must be answered
        facoltativa, // `prossima` (the gender) may follow, or the word ends here
        fine,        // the word is finished
    } tipo = fine;
    Domanda prossima = Domanda::parte;
};

// What follows answer `indice` (1-based) to `d`, when nothing else is known of the word.
Passo passoDopo(Domanda d, int indice);

// Who walks a word whose key is known: the drill never asks a numeral's
// gender, a file stores it whenever the key holds one.
enum class Uso : std::uint8_t { gioco, file };
// The same for a word whose key `k` is known: never `facoltativa`.
Passo passoDopo(Domanda d, int indice, const Chiave& k, Uso chi);

// The answer to `d` held in key `k` (its column), 0 when none.
int risposta(const Chiave& k, Domanda d);

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
