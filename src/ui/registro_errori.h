#pragma once

#include "core/sessione.h"
#include "ui/finestre.h"

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

// The error log: wrong answers tallied by part of speech and by the first
// question. A snapshot, refreshed only by "mostra errori".
class RegistroErrori : public QWidget {
    Q_OBJECT
public:
    // `nomi`: the captions of the part-of-speech buttons 1..9, then of the
    // variable and invariable buttons.
    RegistroErrori(Sessione& run, Servizi seams, const std::array<QString, 11>& nomi,
                   QWidget* owner);

    // Copies the tally into the count labels.
    void aggiorna();

    void chiudi();           // CHIUDI FINESTRA
    void mostraClassifica(); // mostra classifica

private:
    // Every name at one size, every count at one size.
    void uniforma();

    Sessione& sessione;
    Servizi servizi;
    std::array<QLabel*, 17> RR{};       // 0..16
    std::array<QLabel*, 17> Lberrori{}; // 1..16
};
