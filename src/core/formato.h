#pragma once

#include "core/classificazione.h"
#include "core/frase.h"
#include "core/testo.h"

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
// The classification (classificazione.h) is the answers of the decision tree.
// "riempitivo" is a blank cell after the last word (text of spaces, quoted).
//
// A sentence loads whole or not at all; every problem names its line.

inline constexpr int maxProblemi = 100; // problems kept per file; the rest are counted

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

// True when the line (trimmed) opens a sentence: "frase" in any case, alone or
// followed by anything but a letter, and no bar (that would be a word).
bool rigaFrase(std::string_view riga);

// Rules over a whole sentence (word count, an adjective, fillers last), one
// message per broken rule.
std::vector<std::string> erroriFrase(const Frase& f);

// Writing: the inverse of reading, for sentences that pass the checks.
std::string scriviFrasi(std::span<const Frase> frasi);
// The sentence as read aloud: the words trimmed, one space between, none
// after an elision ("l'utile") or an enclitic cut ("comperarmi").
std::string testoFrase(const Frase& f);

// "file:line: text", or "file: text" for the whole file.
std::string formatta(std::string_view file, const Problema& p);
