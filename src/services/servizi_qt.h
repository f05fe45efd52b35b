#pragma once

#include "services/finestre.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>
#include <memory>
#include <random>

class QSoundEffect;

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

class LettoreQt final : public Lettore {
public:
    // Sounds are looked up first in `suoni` beside the program, then in `altre`.
    explicit LettoreQt(QStringList cartelle);
    ~LettoreQt() override;
    void riproduci(std::string_view nome) override;
    // Loads every effect ahead of its first use.
    void precarica(const QStringList& nomi);

    static QStringList cartellePredefinite();

private:
    QSoundEffect* effetto(const QString& nome);
    QStringList cartelle;
    QHash<QString, QSoundEffect*> effetti; // nullptr: no such file
    QSoundEffect* inCorso = nullptr;
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
    LettoreQt& lettore() { return lettore_; }

private:
    OrologioQt orologio;
    CasualeQt casuale;
    PausaQt pausa;
    LettoreQt lettore_;
    Audio audio;
    ModaleQt modale;
};
