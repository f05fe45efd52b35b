#pragma once

#include "core/audio.h"
#include "core/frase.h"
#include "core/stato_corsa.h"
#include "ui/esiti.h"
#include "ui/finestra_esercizio.h"
#include "ui/finestre.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

// Keeps what it is given and answers as told, touching no disk.
struct FakeArchivio : Archivio {
    Esito aggiungi(const QString& file, const Frase& f) override {
        salvate.emplace_back(file, f);
        return esito;
    }
    Esito esito{true, QStringLiteral("Frase salvata.")};
    std::vector<std::pair<QString, Frase>> salvate;
};

struct FakeOrologio : Orologio {
    double t = 5000;
    double secondi() const override { return t; }
};

struct FakeCasuale : Casuale {
    explicit FakeCasuale(std::uint64_t seme = 1) : gen(seme) {}
    void rimescola() override {}
    double uniforme() override {
        if (!coda.empty()) {
            const double v = coda.front();
            coda.pop_front();
            return v;
        }
        return static_cast<double>(gen() >> 11) * 0x1.0p-53;
    }
    // Draws s of n sentences: the value that picks sentence s.
    void prossimaFrase(int s, int n = 30) { coda.push_back((s + 0.5) / n); }
    std::mt19937_64 gen;
    std::deque<double> coda;
};

// The one-second pause, instant: it moves the fake clock on by a second and
// lets a test look at the screen while the pause lasts.
struct FakePausa : Pausa {
    explicit FakePausa(FakeOrologio& o) : orologio(o) {}
    void unSecondo() override {
        ++volte;
        orologio.t += 1;
        if (durante) durante();
    }
    FakeOrologio& orologio;
    std::function<void()> durante;
    int volte = 0;
};

struct FakeLettore : Lettore {
    void riproduci(Suono s) override { suonati.emplace_back(nome(s)); }
    std::vector<std::string> suonati;
};

// Records what would be read aloud, one reading per call.
struct FakeVoce : Voce {
    void leggi(const std::vector<std::string>& testi) override { letture.push_back(testi); }
    std::vector<std::vector<std::string>> letture;
};

// Answers a modal window; by default it presses PROSEGUI, or closes a
// window that has none as Esc would.
struct FakeModale : Modale {
    void mostra(QDialog& d) override {
        ++volte;
        if (risposta)
            risposta(d);
        else if (auto* b = d.findChild<QPushButton*>(QStringLiteral("Command1")))
            b->click();
        else
            d.reject();
    }
    std::function<void(QDialog&)> risposta;
    int volte = 0;
};

struct Banco {
    explicit Banco(std::uint64_t seme = 1) : casuale(seme) {}
    FakeOrologio orologio;
    FakeCasuale casuale;
    FakePausa pausa{orologio};
    FakeLettore lettore;
    Audio audio{lettore, casuale};
    FakeModale modale;
    FakeVoce voce;
    bool conVoce = false; // the pupil asked for the voice
    bool leggibile = false;
    Servizi servizi() {
        return {orologio, casuale, pausa, audio, modale, conVoce ? &voce : nullptr, leggibile};
    }
};

template <class T = QWidget> T* trova(QWidget& w, const QString& nome) {
    return w.findChild<T*>(nome);
}
inline QPushButton* bottone(QWidget& w, const QString& nome) {
    return trova<QPushButton>(w, nome);
}
inline QLabel* etichetta(QWidget& w, const QString& nome) {
    return trova<QLabel>(w, nome);
}
inline QString elemento(const char* array, int i) {
    return QString::fromLatin1(array) + QLatin1Char('(') + QString::number(i) + QLatin1Char(')');
}

// An exercise window ready for tests: shown, with its run state and fakes.
struct Esercizio {
    // `prepara` runs before the window loads, as main does (e.g. to fill the bank).
    explicit Esercizio(int modo = -1, std::uint64_t seme = 1,
                       const std::function<void(StatoCorsa&)>& prepara = {}, bool voce = false,
                       bool leggibile = false)
        : banco(seme) {
        banco.conVoce = voce;
        banco.leggibile = leggibile;
        if (modo >= 0) m.modo = static_cast<Modo>(modo);
        if (prepara) prepara(m);
        f = std::make_unique<FinestraEsercizio>(m, banco.servizi());
        collegaEsiti(*f, banco.servizi());
        f->termina = [this] { ++terminato; };
        f->resize(825, 596);
        f->show();
    }
    QPushButton* b(const QString& nome) { return bottone(*f, nome); }
    QPushButton* b(const char* array, int i) { return bottone(*f, elemento(array, i)); }
    QLabel* l(const QString& nome) { return etichetta(*f, nome); }
    QLabel* l(const char* array, int i) { return etichetta(*f, elemento(array, i)); }

    StatoCorsa m;
    Banco banco;
    std::unique_ptr<FinestraEsercizio> f;
    int terminato = 0;
};
