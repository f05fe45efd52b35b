#include "ui/etichetta.h"

#include "ui/leggibile.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QHash>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace {
bool entra(const QFont& f, const QRect& area, int flags, const QString& testo,
           const QPaintDevice* dispositivo) {
    const QFontMetrics fm(f, dispositivo);
    return area.contains(fm.boundingRect(area, flags, testo));
}
} // namespace

namespace {
// The largest size that fits, sought on the metrics of the size already
// loaded: every other size tried would load a face of its own (a font
// match and every glyph again), a good part of a window's first paint.
// At size s a text lays out as at the loaded size in a box scaled by
// loaded/s, so only the answer is loaded, and checked.
QFont cerca(const QFont& f, const QRect& area, int flags, const QString& testo,
            const QPaintDevice* dispositivo) {
    if (testo.isEmpty() || area.isEmpty() || entra(f, area, flags, testo, dispositivo)) return f;
    const QFontMetrics fm(f, dispositivo);
    const double grande = f.pointSizeF() > 0 ? f.pointSizeF() : 12;
    auto entraA = [&](double punti) {
        const double r = grande / punti;
        const QRect a(area.topLeft(), QSize(static_cast<int>(area.width() * r),
                                            static_cast<int>(area.height() * r)));
        return a.contains(fm.boundingRect(a, flags, testo));
    };
    double si = 1, no = grande;
    for (int i = 0; i < 12 && no - si > 0.05; ++i) {
        const double m = (si + no) / 2;
        (entraA(m) ? si : no) = m;
    }
    // Hinted advances grow a little faster than the size at small sizes.
    QFont prova = f;
    prova.setPointSizeF(std::max(1.0, si * 0.98));
    for (int i = 0;
         i < 30 && prova.pointSizeF() > 1 && !entra(prova, area, flags, testo, dispositivo); ++i)
        prova.setPointSizeF(std::max(1.0, prova.pointSizeF() * 0.95));
    return prova;
}
} // namespace

QFont carattereCheEntra(const QFont& f, const QRect& area, int flags, const QString& testo,
                        const QPaintDevice* dispositivo) {
    // Painting asks again and again, and windows are built anew (the result
    // window every series): remember the answers.
    static QHash<QString, QFont> ricordati;
    const QString chiave = f.key() + QLatin1Char('|') + QString::number(area.width()) +
                           QLatin1Char('x') + QString::number(area.height()) + QLatin1Char('|') +
                           QString::number(flags) + QLatin1Char('|') +
                           QString::number(dispositivo ? dispositivo->logicalDpiY() : 0) +
                           QLatin1Char('|') + testo;
    if (auto it = ricordati.constFind(chiave); it != ricordati.constEnd()) return *it;
    if (ricordati.size() > 2000) ricordati.clear();
    const QFont r = cerca(f, area, flags, testo, dispositivo);
    ricordati.insert(chiave, r);
    return r;
}

QRect areaScoperta(const QWidget* w, QRect area) {
    const QWidget* padre = w->parentWidget();
    if (!padre) return area;
    const QObjectList& fratelli = padre->children();
    const QRect mia = w->geometry();
    for (qsizetype i = fratelli.indexOf(const_cast<QWidget*>(w)) + 1; i > 0 && i < fratelli.size();
         ++i) {
        const auto* f = qobject_cast<const QWidget*>(fratelli[i]);
        if (!f || f->isWindow() || f->isHidden() ||
            !(qobject_cast<const QAbstractButton*>(f) || f->autoFillBackground()))
            continue;
        const QRect coperto = f->geometry().intersected(mia).translated(-mia.topLeft());
        if (coperto.isEmpty()) continue;
        // Give up the side the box comes in from; of two, the one that
        // leaves more room.
        QRect senzaSotto = area, senzaSopra = area, senzaDestra = area, senzaSinistra = area;
        senzaSotto.setBottom(std::min(area.bottom(), coperto.top() - 1));
        senzaSopra.setTop(std::max(area.top(), coperto.bottom() + 1));
        senzaDestra.setRight(std::min(area.right(), coperto.left() - 1));
        senzaSinistra.setLeft(std::max(area.left(), coperto.right() + 1));
        const std::pair<bool, QRect> lati[] = {{coperto.bottom() >= w->height() - 1, senzaSotto},
                                               {coperto.top() <= 0, senzaSopra},
                                               {coperto.right() >= w->width() - 1, senzaDestra},
                                               {coperto.left() <= 0, senzaSinistra}};
        QRect migliore;
        for (const auto& [tocca, r] : lati)
            if (tocca && (migliore.isNull() ||
                          r.width() * r.height() > migliore.width() * migliore.height()))
                migliore = r;
        if (!migliore.isNull()) area = migliore;
    }
    return area;
}

void ridisegnaSeSpostato(QWidget* w, QRect& ultima, const QRect& area, const QRegion& dipinta) {
    if (area == ultima) return;
    ultima = area;
    if (!dipinta.contains(w->rect())) w->update();
}

QString EtichettaAdattata::testoMostrato() const {
    return leggibile::mostrato(this, text());
}

QRect EtichettaAdattata::areaTesto() const {
    return areaScoperta(this, contentsRect());
}

QFont EtichettaAdattata::caratterePerTesto() const {
    return carattereCheEntra(font(), areaTesto(), disposizione(), testoMostrato(), this);
}

int EtichettaAdattata::disposizione() const {
    return static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
}

void EtichettaAdattata::paintEvent(QPaintEvent* e) {
    // The room once: finding it walks the siblings.
    const QRect area = areaTesto();
    const QString testo = testoMostrato();
    const QFont f = carattereCheEntra(font(), area, disposizione(), testo, this);
    ridisegnaSeSpostato(this, ultimaArea, area, e->region());
    if (f == font() && testo == text() && area == contentsRect()) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    p.setFont(f);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(area, disposizione(), testo);
}
