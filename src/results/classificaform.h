#pragma once

#include "engine/modulo1.h"
#include "services/finestre.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class Cerchio;

// The result window: level of the last series, standings of the run, best time.
// Built afresh from the run state at every showing.
class classificaform : public QDialog {
    Q_OBJECT
public:
    classificaform(Modulo1& m, Servizi s, QWidget* owner);

    void Command1_Click(); // PROSEGUI

private:
    void Form_Load();

    Modulo1& m;
    Servizi s;
    QLabel* RISULTATO = nullptr;
    QLabel* LbNuovoRecord = nullptr;
    QLabel* LbTrecord = nullptr;
    QPushButton* Command1 = nullptr;
    std::array<std::array<Cerchio*, 10>, 5> punti{}; // [row, best level first][dot]
};
