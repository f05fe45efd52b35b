#pragma once

#include "core/frase.h"

#include <string>
#include <string_view>
#include <vector>

// A sentence written in the writing window, on its way into a sentence file.

// What keeps `f` out of the drill, in Italian, one line each; empty when the
// sentence can be saved. It is checked exactly as the drill will read it back.
std::vector<std::string> problemiNuovaFrase(const Frase& f);

// The file's text with `f` added at the end: the earlier bytes untouched, a
// blank line before the new sentence.
std::string accodaFrase(std::string_view esistente, const Frase& f);
