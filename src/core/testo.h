#pragma once

#include <string>
#include <string_view>

// Text rules of a sentence file, whatever the classification: spaces, UTF-8,
// what a word's text may hold, and how it is quoted.

// A word's text: what shows fits the sentence column beside the buttons (the
// longest built-in word has 26), and the spaces after it stay few.
inline constexpr int maxLunghezzaTesto = 30; // characters, the spaces at the end left out
inline constexpr int maxCaratteriCella = 40; // characters, spaces included

// A space inside a line of the file.
inline bool spazio(char c) {
    return c == ' ' || c == '\t';
}
// A space as typed in a box, where a line break also parts words.
inline bool spazioOCapo(char c) {
    return spazio(c) || c == '\r' || c == '\n';
}

// `s` without spaces at either end.
std::string_view pulito(std::string_view s);
// Runs of spaces become one, none at the ends; with `minuscole`, ASCII letters lower case too.
std::string compatto(std::string_view s, bool minuscole);
bool soloSpazi(std::string_view s); // blanks only, no tab
// Characters (UTF-8 code points) in `s`.
int caratteri(std::string_view s);
// «s», as the messages quote what the teacher wrote: at most 60 characters,
// then "…".
std::string tra(std::string_view s);

// Calls f(code point) for each character; false when `s` is not valid UTF-8.
template <class F> bool perCarattere(std::string_view s, F f) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            f(static_cast<char32_t>(c));
            ++i;
            continue;
        }
        std::size_t lunghezza = 1;
        char32_t cp = c;
        if (c >= 0xC2 && c <= 0xDF) {
            lunghezza = 2;
            cp = c & 0x1Fu;
        } else if (c >= 0xE0 && c <= 0xEF) {
            lunghezza = 3;
            cp = c & 0x0Fu;
        } else if (c >= 0xF0 && c <= 0xF4) {
            lunghezza = 4;
            cp = c & 0x07u;
        } else {
            return false;
        }
        if (lunghezza > s.size() - i) return false;
        for (std::size_t k = 1; k < lunghezza; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0u) != 0x80u) return false;
            cp = (cp << 6) | (d & 0x3Fu);
        }
        // Overlong forms, surrogates and code points past Unicode are not UTF-8.
        if ((lunghezza == 3 && cp < 0x800) || (lunghezza == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        f(cp);
        i += lunghezza;
    }
    return true;
}

// Characters that do not show, or show something else than they are.
bool controllo(char32_t c);

// A quoted text starting at s[0]: its content appended to `contenuto` (when
// given) and where the closing quote ends, or npos when it is never closed.
std::size_t fineVirgolette(std::string_view s, std::string* contenuto);

// The rules a text obeys whatever its classification: UTF-8, no control
// characters, not too long. Empty when all is well.
std::string erroreTesto(std::string_view testo);

// The text of one word, as written before "|" (quoted or not).
struct TestoParola {
    std::string testo;
    std::string errore;
};
TestoParola leggiTesto(std::string_view scritto);

// The inverse of leggiTesto: quoted only when the default would differ.
std::string scriviTesto(std::string_view testo);
