#include "ui/pulsante.h"

#include "ui/etichetta.h"
#include "ui/leggibile.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int disposizione = Qt::AlignCenter | Qt::TextWordWrap;
}

QRect Pulsante::areaTesto() const {
    QStyleOptionButton opt;
    initStyleOption(&opt);
    QRect a = style()->subElementRect(QStyle::SE_PushButtonContents, &opt, this);
    // A caption that fills the width would touch the border.
    constexpr int margine = 2;
    a.adjust(margine, 0, -margine, 0);
    return areaScoperta(this, a);
}

QString Pulsante::testoMostrato() const {
    return leggibile::mostrato(this, text());
}

QFont Pulsante::caratterePerTesto() const {
    return carattereCheEntra(font(), areaTesto(), disposizione, testoMostrato(), this);
}

void Pulsante::paintEvent(QPaintEvent* e) {
    const QRect area = areaTesto();
    ridisegnaSeSpostato(this, ultimaArea, area, e->region());
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const QString testo = leggibile::mostrato(this, opt.text);
    opt.text.clear();
    p.drawControl(QStyle::CE_PushButton, opt);
    p.setFont(carattereCheEntra(font(), area, disposizione, testo, this));
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(area, disposizione, testo);
}
