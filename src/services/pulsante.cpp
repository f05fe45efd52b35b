#include "services/pulsante.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

void Pulsante::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const QString testo = opt.text;
    opt.text.clear();
    p.drawControl(QStyle::CE_PushButton, opt);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &opt, this);
    p.setFont(font());
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, testo);
}

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
