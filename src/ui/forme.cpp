#include "ui/forme.h"

#include <QPainter>

void Cerchio::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colore, 1));
    p.setBrush(colore);
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

void Cornice::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(colore, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
