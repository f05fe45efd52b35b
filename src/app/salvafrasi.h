#pragma once

#include "ui/finestre.h"

// Adding the writing window's sentences to sentence files on disk.
class ArchivioFile : public Archivio {
public:
    Esito aggiungi(const QString& file, const Frase& f) override;
};
