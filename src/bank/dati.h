#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// One cell of the built-in bank as written in the data: the text and the ten
// key codes (chiave1..chiave10). Cells of spaces with chiave1 = 0 are fillers.
struct CellaDati {
    std::string_view testo;
    std::array<std::int8_t, 10> chiave;
};

// The sentences in use, index by index.
std::span<const std::span<const CellaDati>> datiFrasi();
