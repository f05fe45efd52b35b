#pragma once

#include "core/albero.h"
#include "core/parlato.h"
#include "core/sessione.h"
#include "core/stato_corsa.h"
#include "ui/adatta_finestra.h"
#include "ui/finestre.h"
#include "ui/pannello.h"

#include <QColor>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;
class Pulsante;

// The exercise window: a sentence, one word in red, and the buttons of the
// question now open. The rules of the run are the session's; this window
// shows what each of its operations returns. The result window and the error
// log are not its own: it raises serieChiusa and registroRichiesto, and
// whoever made it shows them (collegaEsiti in esiti.h).
class FinestraEsercizio : public QWidget {
    Q_OBJECT
public:
    FinestraEsercizio(StatoCorsa& run, Servizi seams, QWidget* parent = nullptr);
    ~FinestraEsercizio() override;

    // How FINE ends the program; tests replace it.
    std::function<void()> termina;

    // The handlers of the window's buttons and timer.
    void estraiFrase(); // VIA
    void rispondiVariabile();
    void rispondiInvariabile();
    // An answer to question `d` (1-based Index in its button array).
    void rispondi(Domanda d, int indice);
    void esci();           // FINE
    void mostraRegistro(); // "mostra errori"
    void aggiornaOrologio();
    void ripetiLettura(); // "Ripeti", R: the last reading again

    void azzerapannello();
    // The one-second feedback. False when the program ended meanwhile: the
    // handler that called it must stop.
    bool flash(const QString& messaggio);

    const AdattaFinestra& scala() const { return ridim; }
    // The run, for the windows that show its results.
    Sessione& corsa() { return sessione; }
    // The captions of the part-of-speech buttons 1..9, then of the variable
    // and invariable buttons: the rows of the error log.
    std::array<QString, 11> nomiCategorie() const;

signals:
    // A series was just graded; the result window must show now, modally.
    void serieChiusa(bool nuovoRecord);
    // "mostra errori" was pressed.
    void registroRichiesto();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void costruisci();
    void costruisciParole();
    void costruisciBarra();
    void registra();
    void aspettoLeggibile();
    void colora(QLabel* parola, const QColor& c);

    void primaDomanda(const PrimaDomanda& p, QPushButton* premuto, QPushButton* altro);
    // The sound and the one-second message of an answer; false when the
    // handler must stop.
    bool segnala(const Sessione::Esito& e, const QString& bravo);
    // The counters, and the grading when the answer closed a series; false
    // when the handler must stop.
    bool aggiornastatistiche(const Sessione::Esito& e);
    void classifica();
    void scriviTraccia(const Sessione::Esito& e);
    void dopoParola(const Sessione::Esito& e);
    void completaFrase();
    // Reads the question now open and its buttons, after `prima`.
    void leggiDomanda(std::string_view domanda, std::vector<std::string> prima = {});
    std::string fraseDetta() const;

    void apriPrimaDomanda();
    void mostraDomanda(Domanda d, bool visibile) { risposte.mostra(d, visibile); }
    void pannello(bool abilitato);
    QPushButton* bottone(Domanda d, int indice) const { return risposte.bottone(d, indice); }
    QLabel* parola(int i) const;

    Sessione sessione;
    const StatoCorsa& stato;
    Servizi servizi;
    AdattaFinestra ridim;
    bool terminando = false;
    Parlato lettura;
    QColor rossoParola{255, 0, 0}; // the word under analysis

    QLabel* AVVISO = nullptr;
    QLabel* gratifica = nullptr;
    QLabel* numeroDomanda = nullptr; // "Label1": shows the sentence number
    QGroupBox* riquadroRisposte = nullptr;
    QGroupBox* riquadroErrori = nullptr;
    QGroupBox* riquadroPercentuale = nullptr;
    QGroupBox* riquadroTempo = nullptr; // never shown
    QFrame* barra = nullptr;            // the blue bar at the bottom
    QLabel* Lrisposte = nullptr;
    QLabel* Lerrori = nullptr;
    QLabel* MOSTRATEMPO = nullptr;
    QLabel* Lpercentuale = nullptr;
    QLabel* segnoPercento = nullptr;
    QLabel* Lbclock = nullptr;
    QPushButton* comaiuto = nullptr;
    QPushButton* mostraErrori = nullptr;
    QPushButton* VIA = nullptr;
    QPushButton* FINE = nullptr;
    QPushButton* Ripeti = nullptr; // only with the voice
    PannelloDomande risposte{this};
    QPushButton* Com10 = nullptr;
    QPushButton* Com11 = nullptr;
    std::array<QLabel*, 23> Lbmostra{}; // 1..22
    QTimer* Timer1 = nullptr;
};
