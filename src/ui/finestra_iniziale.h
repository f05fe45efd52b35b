#pragma once

#include "core/sessione.h"
#include "ui/adatta_finestra.h"
#include "ui/finestre.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;

// The first window: the pupil chooses every word or adjectives only.
class FinestraIniziale : public QWidget {
    Q_OBJECT
public:
    // `apriEsercizio` shows the exercise window; it is called at most once.
    FinestraIniziale(StatoCorsa& run, Servizi seams, std::function<void()> quandoScelto,
                     QWidget* parent = nullptr);

    void scegliAnalisiCompleta(); // analisi completa
    void scegliSoloAggettivi();   // solo aggettivi
    void apriConClic();
    void apriPerTempo();

    const AdattaFinestra& scala() const { return ridim; }

    // The two toggles, "Leggi ad alta voce" and "Alta leggibilità", as remembered.
    void impostaOpzioni(bool voce, bool leggibile);
    bool voce() const;
    bool leggibile() const;
    // Called when the pupil turns either toggle.
    std::function<void(bool voce, bool leggibile)> opzioniCambiate;
    // Says, once, that the voice cannot speak.
    void voceNonDisponibile(const QString& perche);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void apri();
    void opzioneCambiata();
    void collocaOpzioni();

    Sessione sessione;
    Servizi servizi;
    std::function<void()> apriEsercizio;
    AdattaFinestra ridim;
    QTimer* Timer1 = nullptr;
    QCheckBox* Voce = nullptr;
    QCheckBox* Leggibile = nullptr;
    QLabel* AvvisoVoce = nullptr;
    bool aperto = false;
};
