#pragma once

#include "engine/albero.h"
#include "engine/modulo1.h"
#include "services/finestre.h"
#include "services/ridimschermo.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;
class FRM_ERRORI;
class Pulsante;

// The exercise window: a sentence, one word in red, and the buttons of the
// question now open.
class FormB : public QWidget {
    Q_OBJECT
public:
    FormB(Modulo1& m, Servizi s, QWidget* parent = nullptr);
    ~FormB() override;

    // How FINE ends the program; tests replace it.
    std::function<void()> termina;

    void VIA_Click();
    void Com10_Click();
    void Com11_Click();
    void com_Click(int Index) { rispondi(Domanda::parte, Index); }
    void art_Click(int Index) { rispondi(Domanda::tipo, Index); }
    void pcf_Click(int Index) { rispondi(Domanda::grado, Index); }
    void Compar_Click(int Index) { rispondi(Domanda::comparativo, Index); }
    void sup_Click(int Index) { rispondi(Domanda::superlativo, Index); }
    void det_Click(int Index) { rispondi(Domanda::determinativo, Index); }
    void numerale_Click(int Index) { rispondi(Domanda::numerale, Index); }
    void persona_Click(int Index) { rispondi(Domanda::persona, Index); }
    void Masfem_Click(int Index) { rispondi(Domanda::genere, Index); }
    void Singplu_Click(int Index) { rispondi(Domanda::numero, Index); }
    void FINE_Click();
    void Command8_Click();
    void Timer1_Timer();

    void azzerapannello();
    void flash(const QString& messaggio);
    void aggiornastatistiche();
    void classifica(int errori);

    const Ridimschermo& scala() const { return ridim; }
    FRM_ERRORI* finestraErrori() const;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void costruisci();
    void registra();
    void rispondi(Domanda d, int indice);
    void primaDomanda(const PrimaDomanda& p, QPushButton* premuto, QPushButton* altro);
    void sbagliata(int categoria);
    void scriviTraccia(std::string_view testo, Rgb colore);
    void finisciParola(bool completa);
    void completaFrase();
    void mostraDomanda(Domanda d, bool visibile);
    void pannello(bool abilitato);
    QPushButton* bottone(Domanda d, int indice) const;
    QLabel* parola(int i) const;
    std::vector<QPushButton*> bottoniAperti() const;

    Modulo1& m;
    Servizi s;
    Ridimschermo ridim;
    bool terminando = false;

    QLabel* AVVISO = nullptr;
    QLabel* gratifica = nullptr;
    QLabel* Label1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QFrame* Frame5 = nullptr;
    QLabel* Lrisposte = nullptr;
    QLabel* Lerrori = nullptr;
    QLabel* MOSTRATEMPO = nullptr;
    QLabel* Lpercentuale = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Lbclock = nullptr;
    QPushButton* comaiuto = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* VIA = nullptr;
    QPushButton* FINE = nullptr;
    QPushButton* Com10 = nullptr;
    QPushButton* Com11 = nullptr;
    std::array<std::vector<QPushButton*>, numDomande> bottoni; // [question][Index - 1]
    std::array<QLabel*, 23> Lbmostra{};                        // 1..22
    std::array<QLabel*, 11> display{};                         // 1..10
    QTimer* Timer1 = nullptr;
    QPointer<FRM_ERRORI> errori;
};
