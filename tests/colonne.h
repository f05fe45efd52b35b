#pragma once

#include "core/albero.h"

#include <string_view>

// The key column each question reads and the name of its button array,
// written out here rather than taken from the tree: a test that answers from
// the key must not agree with a tree that reads the wrong column.
struct ColonnaAttesa {
    Domanda d;
    std::string_view array;
    int colonna;
};
inline constexpr ColonnaAttesa colonneDelleDomande[] = {
    {Domanda::parte, "Com", 1},          {Domanda::tipo, "art", 2},
    {Domanda::grado, "pcf", 3},          {Domanda::determinativo, "det", 4},
    {Domanda::comparativo, "Compar", 5}, {Domanda::superlativo, "sup", 6},
    {Domanda::persona, "persona", 7},    {Domanda::numerale, "numerale", 8},
    {Domanda::genere, "Masfem", 9},      {Domanda::numero, "Singplu", 10},
};

inline int colonnaDi(Domanda d) {
    for (const ColonnaAttesa& c : colonneDelleDomande)
        if (c.d == d) return c.colonna;
    return 0;
}

inline int colonnaDi(std::string_view array) {
    for (const ColonnaAttesa& c : colonneDelleDomande)
        if (c.array == array) return c.colonna;
    return 0;
}
