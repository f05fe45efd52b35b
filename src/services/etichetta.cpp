#include "services/etichetta.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace {
bool entra(const QFont& f, const QRect& area, int flags, const QString& testo,
           const QPaintDevice* dispositivo) {
    const QFontMetrics fm(f, dispositivo);
    return area.contains(fm.boundingRect(area, flags, testo));
}
} // namespace

QFont carattereCheEntra(const QFont& f, const QRect& area, int flags, const QString& testo,
                        const QPaintDevice* dispositivo) {
    if (testo.isEmpty() || area.isEmpty() || entra(f, area, flags, testo, dispositivo)) return f;
    // Widths do not scale exactly with the size (hinting, whole pixels), so
    // search the size and check the result rather than scaling once.
    QFont prova = f;
    const double grande = f.pointSizeF() > 0 ? f.pointSizeF() : 12;
    double entraA = 1, noA = grande;
    for (int i = 0; i < 12 && noA - entraA > 0.05; ++i) {
        const double mezzo = (entraA + noA) / 2;
        prova.setPointSizeF(mezzo);
        (entra(prova, area, flags, testo, dispositivo) ? entraA : noA) = mezzo;
    }
    prova.setPointSizeF(entraA);
    for (int i = 0;
         i < 20 && prova.pointSizeF() > 1 && !entra(prova, area, flags, testo, dispositivo); ++i)
        prova.setPointSizeF(std::max(1.0, prova.pointSizeF() * 0.9));
    return prova;
}

QFont EtichettaAdattata::caratterePerTesto() const {
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    return carattereCheEntra(font(), contentsRect(), flags, text(), this);
}

void EtichettaAdattata::paintEvent(QPaintEvent* e) {
    const QFont f = caratterePerTesto();
    if (f == font()) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    p.setFont(f);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(contentsRect(), static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0),
               text());
}
