#pragma once

#include "core/audio.h"
#include "core/servizi.h"

class QDialog;

struct Modale {
    virtual ~Modale() = default;
    // Shows `d` modally and returns when it has been closed.
    virtual void mostra(QDialog& d) = 0;
};

// Everything a window needs from outside, handed to each window.
struct Servizi {
    Orologio& orologio;
    Casuale& casuale;
    Pausa& pausa;
    Audio& audio;
    Modale& modale;
};
