#include "services/etichetta.h"

#include <QPainter>

void EtichettaAdattata::paintEvent(QPaintEvent* e) {
    const int larghezza = fontMetrics().horizontalAdvance(text());
    if (larghezza <= contentsRect().width() || larghezza == 0) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * contentsRect().width() / larghezza);
    p.setFont(f);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(contentsRect(), static_cast<int>(alignment()), text());
}
