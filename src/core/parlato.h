#pragma once

#include "core/albero.h"
#include "core/servizi.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// What the voice says to the pupil, in Italian, and the last reading, to say
// again on request. Without a voice every call does nothing.
class Parlato {
public:
    explicit Parlato(Voce* voce = nullptr) : voce_(voce) {}

    bool attiva() const { return voce_ != nullptr; }
    // Reads `testi`, cutting the reading in progress; it is the one to repeat.
    void leggi(std::vector<std::string> testi);
    // The answer's feedback: read at once, but not the one to repeat.
    void esito(bool giusta);
    void ripeti();
    const std::vector<std::string>& ultima() const { return ultima_; }

    // The sentence as it is said: its cells in a row, a hyphenated verb joined
    // to its pronoun ("comperar-" "mi" is "comperarmi").
    static std::string frase(std::span<const std::string> celle);
    // A word without the punctuation that follows it.
    static std::string parola(std::string_view cella);
    // The question in a pupil's words.
    static std::string_view domanda(Domanda d);
    static constexpr std::string_view primaDomanda = "È una parte variabile o invariabile?";
    // A button's caption as it is said: no capitals only, no abbreviations.
    static std::string didascalia(std::string_view testo);
    // The grade of a series (level 1..5).
    static std::string livello(int livello);

    static constexpr std::string_view giusto = "Giusto!";
    static constexpr std::string_view sbagliato = "No, riprova.";
    static constexpr std::string_view completata = "Frase completata:";

private:
    Voce* voce_;
    std::vector<std::string> ultima_;
};
