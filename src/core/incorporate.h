#pragma once

#include "core/frase.h"

#include <string_view>
#include <vector>

// The built-in sentences: data/frasi/frasi.txt, copied into the program at build time.
std::string_view testoFrasiIncorporate();

// The same sentences, parsed on first use.
const std::vector<Frase>& frasiIncorporate();
