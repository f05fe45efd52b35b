#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The program's sound effects, by name: a mistyped name does not compile.
enum class Suono : std::uint8_t {
#define SUONO(n) n,
#include "core/suoni.def"
#undef SUONO
};

inline constexpr std::array<std::string_view, 10> nomiSuoni{
#define SUONO(n) #n,
#include "core/suoni.def"
#undef SUONO
};

inline constexpr std::array<Suono, 10> tuttiISuoni{
#define SUONO(n) Suono::n,
#include "core/suoni.def"
#undef SUONO
};

// The file name of a sound, without the ".wav".
constexpr std::string_view nome(Suono s) {
    return nomiSuoni[static_cast<std::size_t>(s)];
}
