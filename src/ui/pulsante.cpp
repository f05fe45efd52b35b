#include "ui/pulsante.h"

#include "ui/etichetta.h"
#include "ui/leggibile.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int disposizione = Qt::AlignCenter | Qt::TextWordWrap;
}

QRect Pulsante::areaTesto() const {
    QStyleOptionButton opt;
    initStyleOption(&opt);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &opt, this);
}

QString Pulsante::testoMostrato() const {
    return leggibile::mostrato(this, text());
}

QFont Pulsante::caratterePerTesto() const {
    return carattereCheEntra(font(), areaTesto(), disposizione, testoMostrato(), this);
}

void Pulsante::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const QString testo = leggibile::mostrato(this, opt.text);
    opt.text.clear();
    p.drawControl(QStyle::CE_PushButton, opt);
    p.setFont(caratterePerTesto());
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(areaTesto(), disposizione, testo);
}
