#pragma once

#include "core/suoni.h"

#include <string>
#include <vector>

// The seams through which the windows reach time, chance, the one-second
// pause and the speakers. Production uses Qt; tests use instant fakes.

struct Orologio {
    virtual ~Orologio() = default;
    // Seconds on a monotonic clock: never jumps at midnight or on a clock change.
    virtual double secondi() const = 0;
};

struct Casuale {
    virtual ~Casuale() = default;
    virtual void rimescola() = 0;  // re-seed from the clock
    virtual double uniforme() = 0; // uniform in [0, 1)
};

struct Pausa {
    virtual ~Pausa() = default;
    // Holds the handler for one second; the window keeps painting and the
    // clock keeps ticking, but no user input is delivered.
    virtual void unSecondo() = 0;
};

struct Lettore {
    virtual ~Lettore() = default;
    // Starts the sound in the background, cutting the one playing.
    // A sound that cannot be played is silently skipped.
    virtual void riproduci(Suono s) = 0;
    // Whether the sound's file was found and loaded; for checks, not for playing.
    virtual bool disponibile(Suono) const { return false; }
};

struct Voce {
    virtual ~Voce() = default;
    // Says the texts one after the other in the background, cutting whatever
    // it was saying. Never waits; a voice that cannot speak says nothing.
    virtual void leggi(const std::vector<std::string>& testi) = 0;
};
