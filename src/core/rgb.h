#pragma once

#include <cstdint>

// A colour as the design gives it: red, green, blue.
struct Rgb {
    std::uint8_t r, g, b;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};
