#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// The built-in bank as the program held it before it became a sentence file:
// the oracle the embedded file is compared with, cell by cell.
// One cell: the text and the ten key codes (chiave1..chiave10). Cells of
// spaces with chiave1 = 0 are fillers.
struct CellaDati {
    std::string_view testo;
    std::array<std::int8_t, 10> chiave;
};

// The sentences in use, index by index.
std::span<const std::span<const CellaDati>> datiFrasi();
