#pragma once

#include "core/suoni.h"

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
