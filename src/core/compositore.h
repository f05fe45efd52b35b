#pragma once

#include "core/albero.h"
#include "core/frase.h"
#include "core/rgb.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A new sentence as the teacher writes it: typed, cut into word groups, and
// each group classified by answering the questions of the drill. The tree
// decides every next question, so no classification it cannot ask can be
// written. Where the drill stops but the file may store more (a numeral's
// gender and number, an indefinite's gender) the question is optional.
class Compositore {
public:
    static constexpr int maxGruppi = 22;

    // The sentence as typed: cut at spaces, punctuation staying with its word.
    // Every classification is lost.
    void impostaFrase(std::string_view testo);
    // The sentence typed again (a typo fixed): every group whose words are
    // still there, in the same order, keeps its join, exact text and answers;
    // the other words come back as single groups. False, and nothing changed,
    // when that would make more than maxGruppi groups.
    bool ritaglia(std::string_view testo);
    // How many groups with answers ritaglia(testo) would drop, and how many
    // groups it would make.
    struct Taglio {
        int perse = 0;
        int gruppi = 0;
    };
    Taglio confronta(std::string_view testo) const;

    int numeroGruppi() const { return static_cast<int>(gruppi.size()); }
    // The group's text as the drill will show it (by default its words, one
    // space after each).
    std::string testo(int g) const;
    // The words of a group, as typed.
    const std::vector<std::string>& parole(int g) const;
    // Sets the exact text, spaces included; false when empty or only spaces.
    bool impostaTesto(int g, std::string_view testo);

    // Joins group g with the next one; both lose their classification. The
    // joined group is the current one, so that a third word can follow.
    bool unisci(int g);
    // Cuts group g back into single words, each to be classified anew; the
    // first of them is the current one.
    bool dividi(int g);
    // Groups with at least one answer.
    int analizzati() const;

    // ---- classifying, one group at a time ----

    struct Aperta {
        enum Tipo {
            prima,       // variable or invariable
            domanda,     // a question of the tree
            facoltativa, // gender the drill never asks: it may be left out
            finita,      // the group is fully classified
        } tipo = prima;
        Domanda d = Domanda::parte;
        int primaParte = 1, ultimaParte = 9; // for the parts of speech
    };

    int corrente() const { return attuale; }
    // The question open for group g (the current one by default).
    Aperta aperta(int g = -1) const;
    bool finito(int g) const { return aperta(g).tipo == Aperta::finita; }
    bool completa() const;

    // Answers the open question of the current group; false, and nothing
    // changed, when the answer is not one the question allows.
    bool rispondiPrima(bool variabile);
    bool rispondi(Domanda d, int indice);
    // Leaves the optional gender out.
    bool salta();

    // Takes back the last answer; at the start of a group, the last answer of
    // the group before. False when there is nothing to take back.
    bool indietro();
    // Makes group g the current one, its answers kept.
    void seleziona(int g);
    // Makes group g the current one, to be classified again from the start.
    void riapri(int g);

    struct VoceTraccia {
        std::string_view testo;
        Rgb colore;
    };
    // The answers of group g so far, as the drill's trail shows them.
    std::vector<VoceTraccia> traccia(int g = -1) const;

    // The key of group g as the answers so far give it.
    Chiave chiave(int g) const;
    // The sentence, every group with its key (complete or not).
    Frase frase() const;
    // The spoken sentence: the words, one space between.
    std::string testoFrase() const;

private:
    struct Risposta {
        enum Tipo { prima, domanda, salto } tipo;
        Domanda d = Domanda::parte;
        int indice = 0; // 10/11 for the first question
    };
    struct Gruppo {
        std::vector<std::string> parole;
        std::optional<std::string> esatto;
        std::vector<Risposta> risposte;
    };
    const Gruppo& gruppo(int g) const;
    std::vector<Gruppo> taglia(std::string_view testo, int* perse) const;
    // Moves on to the next group, in reading order, still to classify.
    void avanza();
    // The first group still to classify.
    void primoDaFare();

    std::vector<Gruppo> gruppi;
    int attuale = 0;
};
