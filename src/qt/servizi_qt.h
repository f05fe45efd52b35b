#pragma once

#include "ui/finestre.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
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

// A module whose libraries stay off the start-up path: loaded once, after the
// first window has painted, or half a second on should none paint.
class ModuloDifferito : public QObject {
public:
    // The first of `moduli` that loads and exports `simbolo` is used.
    ModuloDifferito(QStringList moduli, const char* simbolo);
    // Loads the module now, if not tried yet.
    void carica();
    // Where a module `file` is looked for: beside the program, then installed.
    static QStringList accantoAlProgramma(const QString& file);

protected:
    // Called once, with the module's entry point and file, or null if none loaded.
    virtual void pronto(QFunctionPointer crea, const QString& file) = 0;
    bool tentato() const { return caricato; }
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QStringList moduli;
    const char* simbolo;
    bool caricato = false;
};

// Plays the sound effects through a module of its own, so that Qt Multimedia
// and the audio libraries behind it load after the first paint. A sound asked
// for before then plays as soon as the module is in.
class LettoreQt final : public ModuloDifferito, public Lettore {
public:
    // Sounds are looked up in each folder of `dove` in turn.
    explicit LettoreQt(QStringList dove);
    ~LettoreQt() override;
    void riproduci(Suono s) override;
    bool disponibile(Suono s) const override { return reale && reale->disponibile(s); }

    static QStringList cartellePredefinite();
    static QStringList moduliPredefiniti();

protected:
    void pronto(QFunctionPointer crea, const QString& file) override;

private:
    QStringList cartelle;
    std::unique_ptr<Lettore> reale;
    std::optional<Suono> inAttesa;
};

// The voice, through a module made only once it is wanted: Qt TextToSpeech
// and speech-dispatcher stay off the start-up of a pupil who did not ask for
// them. What is read before the module is in is read as soon as it is.
class VoceQt final : public ModuloDifferito, public Voce {
public:
    // `moduli`: the module's files to try; by default beside the program.
    explicit VoceQt(QStringList moduli = moduliPredefiniti());
    ~VoceQt() override;
    void leggi(const std::vector<std::string>& testi) override;
    // True once the voice turned out unable to speak.
    bool guasta() const { return guasta_; }
    // Called once, with the reason, when the voice turns out unable to speak.
    std::function<void(const QString&)> quandoGuasta;

    static QStringList moduliPredefiniti();

protected:
    void pronto(QFunctionPointer crea, const QString& file) override;

private:
    static void guasto(void* chi, const char* perche);
    void segnalaGuasto(const QString& perche);

    std::unique_ptr<Voce> reale;
    std::optional<std::vector<std::string>> inAttesa;
    bool guasta_ = false;
};

class ModaleQt final : public Modale {
public:
    void mostra(QDialog& d) override;
};

// The production services, owned by main.
class ServiziQt {
public:
    ServiziQt();
    // The voice only while wanted and able to speak.
    Servizi servizi() { return {orologio, casuale, pausa, audio, modale, voceAttiva(), leggibile}; }
    bool leggibile = false;
    // Wanted or not; the first time it is wanted the voice is made and loaded.
    void vuoiVoce(bool si);
    // Called once when the voice, wanted, turns out unable to speak.
    std::function<void(const QString&)> quandoVoceGuasta;

private:
    OrologioQt orologio;
    CasualeQt casuale;
    PausaQt pausa;
    LettoreQt lettore;
    Audio audio;
    ModaleQt modale;
    std::unique_ptr<VoceQt> voce;
    bool voceVoluta = false;
    Voce* voceAttiva() { return voceVoluta && voce && !voce->guasta() ? voce.get() : nullptr; }
};
