#pragma once

#include "ui/finestre.h"

#include <QString>
#include <cstddef>
#include <functional>
#include <sys/types.h>

// Adding sentences to sentence files on disk, for the writing window.
//
// One save: take a lock beside the file (a second saver waits for it, then
// reads what the first wrote), read the file, write the file with the new
// sentence into a temporary file in the same folder, check every write and
// the flush, give it the old file's owner and mode, rename it over the file,
// read it back. Any failure leaves the file as it was.
class ArchivioFile : public Archivio {
public:
    // write(2) as the save calls it; tests hand in one that fails.
    using Scrivi = std::function<ssize_t(int fd, const char* dati, std::size_t n)>;

    explicit ArchivioFile(Scrivi scrivi = {});
    Esito aggiungi(const QString& file, const Frase& f) override;

    // How long a save waits for another one on the same file before it says
    // the file is busy.
    int attesaMs = 3000;

private:
    Scrivi scrivi;
};
