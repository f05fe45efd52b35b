#pragma once

#include "ui/finestre.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <random>

class OrologioQt final : public Orologio {
public:
    OrologioQt() { t.start(); }
    double secondi() const override { return static_cast<double>(t.nsecsElapsed()) / 1e9; }

private:
    QElapsedTimer t;
};

class CasualeQt final : public Casuale {
public:
    CasualeQt() { rimescola(); }
    void rimescola() override;
    double uniforme() override;

private:
    std::mt19937_64 gen;
};

class PausaQt final : public QObject, public Pausa {
public:
    void unSecondo() override;
    bool eventFilter(QObject* o, QEvent* e) override;
};

// Plays the sound effects through a module loaded once the first window has
// painted, so that Qt Multimedia and the audio libraries behind it stay off the
// start-up path. A sound asked for before then plays as soon as the module is in.
class LettoreQt final : public QObject, public Lettore {
public:
    // Sounds are looked up in each folder of `dove` in turn.
    explicit LettoreQt(QStringList dove);
    ~LettoreQt() override;
    void riproduci(Suono s) override;
    bool disponibile(Suono s) const override { return reale && reale->disponibile(s); }

    static QStringList cartellePredefinite();
    // Loads the player module now rather than after the first paint.
    void carica();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QStringList cartelle;
    std::unique_ptr<Lettore> reale;
    std::optional<Suono> inAttesa;
    bool caricato = false;
};

class ModaleQt final : public Modale {
public:
    void mostra(QDialog& d) override;
};

// The production services, owned by main.
class ServiziQt {
public:
    ServiziQt();
    Servizi servizi() { return {orologio, casuale, pausa, audio, modale}; }

private:
    OrologioQt orologio;
    CasualeQt casuale;
    PausaQt pausa;
    LettoreQt lettore;
    Audio audio;
    ModaleQt modale;
};
