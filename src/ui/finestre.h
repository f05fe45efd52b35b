#pragma once

#include "core/audio.h"
#include "core/servizi.h"

#include <QString>

class QDialog;
struct Frase;

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
    // The voice that reads aloud; none when the pupil has not asked for it.
    Voce* voce = nullptr;
    // The high-legibility look: larger, clearer type and stronger contrast.
    bool leggibile = false;
};

// Where the writing window's sentences go: sentence files on disk in the
// program, anything in a test. The window checks the sentence itself
// (complete, acceptable to the drill) before it asks. A check that needs the
// file's content belongs in the implementation, made under the same lock as
// the write, so that two savers cannot both pass it and then both write.
struct Archivio {
    struct Esito {
        bool ok = false;   // the sentence is in the file, and the file was read back
        QString messaggio; // Italian, names the file; shown to the teacher as it is
    };
    virtual ~Archivio() = default;
    // Adds `f` after the sentences of `file` (the file and its folder are made
    // when missing). Either the file has every byte it had and then `f`, or it
    // is left exactly as it was and the message says why.
    virtual Esito aggiungi(const QString& file, const Frase& f) = 0;
};
