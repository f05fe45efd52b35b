#pragma once

#include <QFont>
#include <QLabel>

class QPaintDevice;

// The largest font, not above `f`, with which `testo` drawn with `flags`
// (alignment, wrapping) stays inside `area` on `dispositivo`.
QFont carattereCheEntra(const QFont& f, const QRect& area, int flags, const QString& testo,
                        const QPaintDevice* dispositivo);

// A label whose text shrinks to fit its box rather than being cut; it wraps as
// QLabel does when word wrap is on.
class EtichettaAdattata : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // The font the text is painted with.
    QFont caratterePerTesto() const;
    // The text as painted (the high-legibility look writes no word in capitals only).
    QString testoMostrato() const;

protected:
    void paintEvent(QPaintEvent* e) override;
};
