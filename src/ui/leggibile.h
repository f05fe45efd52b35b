#pragma once

#include "core/rgb.h"

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// The high-legibility look: a face drawn for readers with dyslexia, larger
// type, no words in capitals only, and colours of strong contrast. Red stays
// the colour of the word to analyse, darker.
namespace leggibile {

// The word under analysis, the feedback and the notice line: a dark red that
// keeps 4.5:1 on every background of the exercise window.
inline constexpr Rgb rosso{150, 0, 0};
// Captions of disabled answer buttons, still readable on their colours.
inline constexpr Rgb disabilitato{55, 55, 55};
// How much larger the words and the captions are.
inline constexpr double ingrandimento = 1.2;

// OpenDyslexic where installed, else a plain sans face.
QFont carattere(double punti, bool grassetto);
// A plain legible sans face (DejaVu Sans), for lines too close together for
// OpenDyslexic's tall ones.
QFont caratterePiano(double punti, bool grassetto);
// "PARTE VARIABILE" is shown "Parte variabile": the same words, not shouted.
QString senzaMaiuscole(const QString& testo);
// What `w` shows of `testo`: without capitals only when `w` asks for it.
QString mostrato(const QWidget* w, const QString& testo);
// Gives `w` the look: the face at `ingrandimento` times its size, no capitals only.
void applica(QWidget* w, double ingrandisci = ingrandimento);

// The contrast ratio of two colours, 1 to 21, as WCAG 2 measures it.
double contrasto(const QColor& a, const QColor& b);

} // namespace leggibile
