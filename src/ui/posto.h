#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window of `cornice` frame margins and `finestra` client size goes
// inside `libero` (the room it may take, frame included), and by how much it
// is scaled to fill it: its frame rectangle, in the room's top right corner,
// and the factor.
struct Posto {
    QRect cornice;
    double scala = 1;
};
Posto postoNelLibero(QSize finestra, QMargins cornice, QRect libero);

// Opens the error log right of the exercise window's answer column, below the
// notice and above the feedback text, on the screen, scaled to that room. The
// answer buttons, the words, the feedback text and VIA stay uncovered; the
// trail does not.
void accanto(QWidget* finestra, QWidget* esercizio);

// Scales a fixed-size window and its controls (geometry and font) by
// `fattore` from their design values, which are recorded on the first call.
void scalaFinestra(QWidget* finestra, double fattore);
