#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <optional>
#include <span>
#include <string_view>

#include "core/rgb.h"

class QWidget;

// Design geometry in twips (1/1440 inch), as the windows were drawn.
struct Twips {
    int left, top, width, height;
};

// One row of a window's design table: a control's name, place, font and colours.
struct Figura {
    const char* nome;
    Twips g;
    double punti = 0; // 0: the font of the parent
    bool grassetto = true;
    std::optional<Rgb> testo{};
    std::optional<Rgb> sfondo{};
};

// The row named `nome`; a name missing from the table is a programming error.
const Figura& riga(std::span<const Figura> tabella, std::string_view nome);

// Twips to pixels at 96 dpi; Qt's device-pixel ratio takes care of denser screens.
constexpr int pixel(int twips) {
    return (twips * 2 + (twips >= 0 ? 15 : -15)) / 30;
}
// Edges are rounded, not sizes, so that controls drawn flush in twips stay flush.
inline QRect pixel(Twips t) {
    return QRect(QPoint(pixel(t.left), pixel(t.top)),
                 QPoint(pixel(t.left + t.width) - 1, pixel(t.top + t.height) - 1));
}

inline QColor colore(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// The design's font; where it is missing, the installed face closest to it in
// width, so that captions keep their length.
QFont carattere(const QString& famiglia, double punti, bool grassetto,
                QFont::StyleHint stile = QFont::SansSerif);

void coloreSfondo(QWidget* w, const QColor& c);
void coloreTesto(QWidget* w, const QColor& c);

class QLabel;
class Pulsante;

// A label at its design place, named as in the design; its text shrinks
// rather than being cut.
QLabel* etichetta(QWidget* padre, const char* nome, const QString& testo, Twips g, const QFont& f);
// The same for a label already made (of a class of its own).
QLabel* prepara(QLabel* l, const char* nome, Twips g, const QFont& f);

// Names, places, fonts and colours `w` as its row says, in font `famiglia`.
template <class W>
W* applica(W* w, const Figura& f, const QString& famiglia,
           QFont::StyleHint stile = QFont::SansSerif);
// A label, text shrinking to fit, and a button, made from their rows.
QLabel* etichetta(QWidget* padre, const Figura& f, const QString& famiglia, const QString& testo,
                  QFont::StyleHint stile = QFont::SansSerif);
Pulsante* pulsante(QWidget* padre, const Figura& f, const QString& famiglia, const QString& testo);

// A button at its design place, named as in the design; its caption is also
// its accessible name.
Pulsante* pulsante(QWidget* padre, const char* nome, const QString& testo, Twips g, const QFont& f);

inline QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The object name of element i of a control array: "Com(3)".
QString nomeElemento(const QString& array, int i);

void applicaFigura(QWidget* w, const Figura& f, const QString& famiglia, QFont::StyleHint stile);
template <class W>
W* applica(W* w, const Figura& f, const QString& famiglia, QFont::StyleHint stile) {
    applicaFigura(w, f, famiglia, stile);
    return w;
}
