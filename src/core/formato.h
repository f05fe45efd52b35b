#pragma once

#include "core/albero.h"
#include "core/frase.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The sentence file: plain UTF-8 text that a teacher writes in any editor.
//
//   # a comment
//   frase: La mia macchina è meno grande della tua.
//   La              | Articolo
//   mia             | Aggettivo, Determinativo, Possessivo, 1° persona, Femminile, Singolare
//   "è"             | Verbo
//
// A line "frase" (any case, anything after it) starts a sentence; each of its
// words is a line "text | classification". The text is trimmed and one space
// is added; between double quotes it is taken as written ("" is one quote).
// The classification is the answers of the decision tree, in the order it
// asks them, separated by commas; case and runs of spaces do not matter, the
// button caption and the trail text are both accepted, "e locuzione ..." may
// be left out, and "Parte variabile"/"Parte invariabile" may lead. A numeral
// may go on with gender and number, which are stored but never asked.
// "riempitivo" is a blank cell after the last word (text of spaces, quoted).
//
// A sentence loads whole or not at all; every problem names its line.

// A word's text: what shows fits the sentence column beside the buttons (the
// longest built-in word has 26), and the spaces after it stay few.
inline constexpr int maxLunghezzaTesto = 30; // characters, the spaces at the end left out
inline constexpr int maxCaratteriCella = 40; // characters, spaces included
inline constexpr int maxProblemi = 100;      // problems kept per file; the rest are counted
inline constexpr std::string_view parolaRiempitivo = "riempitivo";

struct Problema {
    int riga = 0; // 1-based; 0 = the whole file
    std::string testo;
};

struct Lettura {
    std::vector<Frase> frasi;       // every sentence that passed every check, in file order
    std::vector<Problema> problemi; // the first maxProblemi problems, in line order
    int altriProblemi = 0;          // problems beyond those
    int scartate = 0;               // sentences left out
    int totaleProblemi() const { return static_cast<int>(problemi.size()) + altriProblemi; }
};

// Parses and checks a whole file.
Lettura leggiFrasi(std::string_view contenuto);

// The classification of one word, as written after "|".
struct Classificazione {
    Chiave chiave{};
    bool riempitivo = false;
    std::string errore; // empty when the classification is a complete path of the tree
};
Classificazione leggiClassificazione(std::string_view testo);

// The text of one word, as written before "|" (quoted or not).
struct TestoParola {
    std::string testo;
    std::string errore;
};
TestoParola leggiTesto(std::string_view scritto);

// The rules a text obeys whatever its classification: UTF-8, no control
// characters, not too long. Empty when all is well.
std::string erroreTesto(std::string_view testo);

// Rules over a whole sentence (word count, an adjective, fillers last), one
// message per broken rule.
std::vector<std::string> erroriFrase(const Frase& f);

// The answers as a file spells them: the trail text, "e locuzione ..." left out.
std::string parolaRisposta(Domanda d, int indice);

// Writing: the inverse of reading, for cells that pass the checks.
std::string scriviClassificazione(const Chiave& k);
std::string scriviTesto(std::string_view testo); // quoted only when the default would differ
std::string scriviFrasi(std::span<const Frase> frasi);
// The sentence as read aloud: the words trimmed, one space between.
std::string testoFrase(const Frase& f);

// "file:line: text", or "file: text" for the whole file.
std::string formatta(std::string_view file, const Problema& p);
