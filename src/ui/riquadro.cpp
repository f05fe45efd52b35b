#include "ui/riquadro.h"

#include "ui/etichetta.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace {
constexpr int bordo = 2; // the etched line, light and dark
constexpr Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignTop;

// Across, the narrow frames need every pixel for their caption.
constexpr int margineLaterale = bordo + 2;
int margineSopra(const QWidget* w) {
    return bordo + std::max(2, w->height() / 20);
}
} // namespace

QRect Riquadro::areaTitolo() const {
    const int m = margineSopra(this);
    const int alto =
        QFontMetrics(font(), this)
            .boundingRect(QRect(0, 0, width(), height()), static_cast<int>(allineamento), title())
            .height();
    return QRect(margineLaterale, m, width() - 2 * margineLaterale,
                 std::min(alto, height() - 2 * m));
}

QFont Riquadro::carattereTitolo() const {
    return carattereCheEntra(font(), areaTitolo(), static_cast<int>(allineamento), title(), this);
}

void Riquadro::paintEvent(QPaintEvent*) {
    QPainter p(this);
    qDrawShadeRect(&p, rect(), palette(), true, 1);
    p.setFont(carattereTitolo());
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(areaTitolo(), static_cast<int>(allineamento), title());
}
