#pragma once

#include "app/caricafrasi.h"
#include "ui/finestra_iniziale.h"

#include <QSet>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

// The configured folders, each read on a thread of its own: a class folder on
// the network that does not answer must hold up neither the start window nor
// the folders that do answer.
class LetturaCartelle {
public:
    using Lettore = std::function<CartellaLetta(const QString& cartella)>;
    explicit LetturaCartelle(const QStringList& cartelle, Lettore leggi = leggiCartella);

    // The folders read since the last call, in the configured order.
    std::vector<CartellaLetta> nuove();
    // The indices of the folders still being read.
    std::vector<int> inAttesa() const;
    // Waits until every folder is read, or until `fino`; true when all are.
    bool attendi(std::chrono::steady_clock::time_point fino);

private:
    struct Condiviso;
    std::shared_ptr<Condiviso> condiviso;
    std::vector<bool> prese;
};

// The run's sentences from start-up until the exercise opens: the default
// sources or the command line's files, then the configured folders as they
// are read, or the files the teacher picks on the start window, which replace
// everything else.
class FrasiCorsa {
public:
    using Orologio = std::chrono::steady_clock;
    // A folder not read by then is reported as not answering.
    static constexpr std::chrono::milliseconds pazienza{3000};
    // The exercise opening waits at most this long after the start for a folder.
    static constexpr std::chrono::milliseconds attesaMassima{1500};

    FrasiCorsa(Frasi& banca, const QStringList& file,
               const QList<CartellaConfigurata>& cartelle = leggiConfigurazione(),
               LetturaCartelle::Lettore leggi = leggiCartella);

    const RapportoFrasi& rapporto() const { return r; }
    FrasiInUso inUso() const;
    // Exactly these files from now on; the folders still being read are dropped.
    FrasiInUso usa(const QStringList& file);
    // Takes in the folders read by `adesso`; true when what the window shows changes.
    bool aggiorna(Orologio::time_point adesso);
    // The exercise opens: a moment's wait for the folders, then the bank stays as it is.
    void concludi();
    // Shows the sentences on the start window and keeps them up to date there.
    void collega(FinestraIniziale& w);

private:
    Frasi& banca;
    RapportoFrasi r;
    QList<CartellaConfigurata> configurate;
    std::optional<LetturaCartelle> lettura;
    QSet<QString> nomi; // file names loaded: the first folder's copy wins
    Orologio::time_point inizio;
    bool tarda = false; // some folder is past its patience
    bool conclusa = false;
};
