#pragma once

#include "core/sessione.h"
#include "ui/finestre.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class Cerchio;

// The result window: level of the last series, standings of the run, best time.
// Built afresh from the run state at every showing; it only shows it, but for
// PROSEGUI, which starts the next series.
class FinestraRisultato : public QDialog {
    Q_OBJECT
public:
    // `nuovoRecord`: the series just graded set a new best time.
    FinestraRisultato(Sessione& run, Servizi seams, QWidget* owner, bool nuovoRecord = false);

    void prosegui(); // PROSEGUI

private:
    void mostraEsito(bool nuovoRecord);

    Sessione& sessione;
    Servizi servizi;
    QLabel* RISULTATO = nullptr;
    QLabel* LbNuovoRecord = nullptr;
    QLabel* LbTrecord = nullptr;
    QPushButton* Command1 = nullptr;
    std::array<std::array<Cerchio*, 10>, 5> punti{}; // [row, best level first][dot]
};
