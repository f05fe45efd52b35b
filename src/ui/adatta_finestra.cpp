#include "ui/adatta_finestra.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

void AdattaFinestra::preparatabelle(int numcomandi) {
    if (numcomandi < 0) numcomandi = 0;
    comandi.assign(static_cast<std::size_t>(numcomandi) + 1, nullptr);
    geometria.assign(comandi.size(), QRectF());
    punti.assign(comandi.size(), 0.0);
    largfinestra = altfinestra = 0;
}

void AdattaFinestra::registra(int i, QWidget* controllo) {
    if (i < 1 || i > numcomandi()) return;
    comandi[static_cast<std::size_t>(i)] = controllo;
}

QWidget* AdattaFinestra::comando(int i) const {
    if (i < 0 || i > numcomandi()) return nullptr;
    return comandi[static_cast<std::size_t>(i)];
}

QRectF AdattaFinestra::registrato(int i) const {
    if (i < 0 || i > numcomandi()) return {};
    return geometria[static_cast<std::size_t>(i)];
}

void AdattaFinestra::adattaschermo() {
    if (!finestra) return;
    finestra->setWindowState(finestra->windowState() | Qt::WindowMaximized);
    largfinestra = finestra->width();
    altfinestra = finestra->height();
    for (int i = 1; i <= numcomandi(); ++i) {
        QWidget* c = comandi[static_cast<std::size_t>(i)];
        if (!c) continue;
        geometria[static_cast<std::size_t>(i)] = c->geometry();
        punti[static_cast<std::size_t>(i)] = c->font().pointSizeF();
    }
    if (const QScreen* schermo = QGuiApplication::primaryScreen();
        schermo && largfinestra > 0 && altfinestra > 0) {
        const QSize s = schermo->availableGeometry().size();
        scala(s.width() / largfinestra, s.height() / altfinestra);
    }
    finestra->move(0, 0);
}

void AdattaFinestra::ridimensiona() {
    // Nothing recorded yet, or a minimized window: leave the controls alone.
    if (!finestra || largfinestra <= 0 || altfinestra <= 0 || finestra->isMinimized()) return;
    if (finestra->width() <= 0 || finestra->height() <= 0) return;
    scala(finestra->width() / largfinestra, finestra->height() / altfinestra);
}

void AdattaFinestra::scala(double rx, double ry) {
    for (int i = 1; i <= numcomandi(); ++i) {
        QWidget* c = comandi[static_cast<std::size_t>(i)];
        if (!c) continue;
        const QRectF& g = geometria[static_cast<std::size_t>(i)];
        const QRect r(QPoint(static_cast<int>(std::lround(g.left() * rx)),
                             static_cast<int>(std::lround(g.top() * ry))),
                      QSize(static_cast<int>(std::lround(g.width() * rx)),
                            static_cast<int>(std::lround(g.height() * ry))));
        const double p = punti[static_cast<std::size_t>(i)];
        if (p > 0) {
            QFont f = c->font();
            f.setPointSizeF(std::max(1.0, p * ry));
            c->setFont(f);
        }
        // A label that sizes itself to its text is never cut short; a wider
        // face than the design's may also need a taller line, kept on the
        // same middle. Some keep their width and shrink their text instead.
        QRect finale = r;
        const bool soloAltezza = c->property("altezzaAlTesto").toBool();
        if (soloAltezza || c->property("autosize").toBool()) {
            const QSize testo = c->sizeHint();
            if (!soloAltezza) finale.setWidth(std::max(r.width(), testo.width()));
            if (testo.height() > r.height()) {
                finale.setTop(r.top() - (testo.height() - r.height()) / 2);
                finale.setHeight(testo.height());
            }
        }
        c->setGeometry(finale);
    }
}
