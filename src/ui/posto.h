#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window of `cornice` frame margins and `finestra` client size goes
// inside `libero` (the room it may take, frame included), and by how much it
// must shrink to fit there: its frame rectangle and the factor, at most 1.
struct Posto {
    QRect cornice;
    double scala = 1;
};
Posto postoNelLibero(QSize finestra, QMargins cornice, QRect libero);

// Opens the error log beside the exercise window's answer column: in the room
// between the answers and the trail, below the notice and above VIA, on the
// screen, shrunk if the room is smaller than the window. The answer buttons,
// the trail and the words stay uncovered.
void accanto(QWidget* finestra, QWidget* esercizio);

// Scales a fixed-size window and its controls (geometry and font) by
// `fattore` from their design values, which are recorded on the first call.
void scalaFinestra(QWidget* finestra, double fattore);
