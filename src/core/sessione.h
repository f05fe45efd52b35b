#pragma once

#include "core/albero.h"
#include "core/rgb.h"
#include "core/stato_corsa.h"

#include <string_view>

struct Casuale;

// The rules of a run, in one place: every change of the run state goes
// through here. The windows call these operations and draw what they return.
class Sessione {
public:
    static constexpr int rispostePerSerie = 20;
    static constexpr int recordIniziale = 200;
    // Failed draws after which the bank counts as exhausted.
    static constexpr int tentativiMassimi = 10000;

    explicit Sessione(StatoCorsa& stato) : m(stato) {}

    const StatoCorsa& stato() const { return m; }

    void scegliModo(Modo modo) { m.modo = modo; }

    // The exercise window's load: initial values and the bank (the built-in
    // sentences unless sentences were loaded before).
    void carica();

    struct Estrazione {
        int nfrase;
        int nparola;     // the first word to analyse
        bool esaurita;   // every sentence was already drawn: nfrase is one seen before
        bool primaVolta; // the first VIA of the run: the clock starts now
    };
    // VIA: starts the clock on the first press and draws a sentence not yet used.
    Estrazione estrai(Casuale& casuale, double ora);

    // What the open question is after an answer.
    enum class Dopo {
        stessaDomanda,   // wrong: the question stays open
        parti,           // right first answer: the parts of speech it opens
        domanda,         // the next question of the same word
        prossimaParola,  // the word is finished; the next one is red
        fraseCompletata, // the word was the last to analyse
    };
    struct Esito {
        bool ignorata = false; // no such button: nothing happened
        bool giusta = false;
        Categoria categoria = Categoria::nessuna; // charged by a wrong answer
        bool chiudeSerie = false;                 // this answer is the last of a series
        Dopo dopo = Dopo::stessaDomanda;
        // For a right answer: where and what to write in the trail.
        int etichettaTraccia = 0;
        std::string_view traccia;
        Rgb colore{};
        Domanda prossima = Domanda::parte;   // for Dopo::domanda
        int primaParte = 0, ultimaParte = 0; // for Dopo::parti
        int parolaFinita = 0;                // for prossimaParola and fraseCompletata
        bool parolaPerParola = true; // the analysis goes word by word, not adjective by adjective
    };
    // An answer to the first question: p is the variable or invariable button.
    Esito rispondiPrima(const PrimaDomanda& p);
    // An answer `indice` (1-based) to question d.
    Esito rispondi(Domanda d, int indice);

    // Error percentage of the current series.
    int percentuale() const;

    struct Chiusura {
        Livello livello;
        bool nuovoRecord;
    };
    // Grades the series just closed: level, standings (ten at most), best time.
    Chiusura chiudiSerie(double ora);
    // Series graded at `livello` so far, at most ten; 0 for nessuno and soloClassifica.
    int serie(Livello livello) const;
    // The result window opened only to look at the standings.
    void soloClassifica() { m.livello = Livello::soloClassifica; }
    // PROSEGUI: the next series starts now.
    void nuovaSerie(double ora);

private:
    Esito conta(Esito e);
    Esito finisciParola(Esito e, bool parolaPerParola);

    StatoCorsa& m;
};
