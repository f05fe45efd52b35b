#pragma once

#include <QFont>
#include <QLabel>

class QPaintDevice;

// The largest font, not above `f`, with which `testo` drawn with `flags`
// (alignment, wrapping) stays inside `area` on `dispositivo`.
QFont carattereCheEntra(const QFont& f, const QRect& area, int flags, const QString& testo,
                        const QPaintDevice* dispositivo);

// The part of `area` (in `w`'s coordinates) that no sibling drawn after `w`
// hides: the design lays some columns with each box a little over the one
// above it, and a button or a filled box there would cover the text.
QRect areaScoperta(const QWidget* w, QRect area);

// Where the room of a text has changed since its last paint (a box over it
// came or went), a paint of part of it would join two layouts: `w` is then
// painted again whole. `ultima` keeps the room between paints.
void ridisegnaSeSpostato(QWidget* w, QRect& ultima, const QRect& area, const QRegion& dipinta);

// A label whose text shrinks to fit its box rather than being cut; it wraps as
// QLabel does when word wrap is on.
class EtichettaAdattata : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Where the text is painted, and with which font.
    QRect areaTesto() const;
    QFont caratterePerTesto() const;
    // The text as painted (the high-legibility look writes no word in capitals only).
    QString testoMostrato() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int disposizione() const; // alignment and wrapping
    QRect ultimaArea;
};
