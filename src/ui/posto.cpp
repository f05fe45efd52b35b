#include "ui/posto.h"

#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

Posto postoNelLibero(QSize finestra, QMargins cornice, QRect libero) {
    const QSize fuori(finestra.width() + cornice.left() + cornice.right(),
                      finestra.height() + cornice.top() + cornice.bottom());
    Posto p;
    if (finestra.isEmpty() || libero.isEmpty()) {
        p.cornice = QRect(libero.topLeft(), fuori);
        return p;
    }
    // Only the client area is scaled; the frame keeps its size.
    const double lw = libero.width() - cornice.left() - cornice.right();
    const double lh = libero.height() - cornice.top() - cornice.bottom();
    p.scala = std::clamp(std::min(lw / finestra.width(), lh / finestra.height()), 0.1, 4.0);
    const QSize dentro(static_cast<int>(std::floor(finestra.width() * p.scala)),
                       static_cast<int>(std::floor(finestra.height() * p.scala)));
    const QSize tutta(dentro.width() + cornice.left() + cornice.right(),
                      dentro.height() + cornice.top() + cornice.bottom());
    p.cornice = QRect(QPoint(libero.right() + 1 - tutta.width(), libero.top()), tutta);
    return p;
}

namespace {

const char* const disegnoGeometria = "aggettiviGeometriaDisegno";
const char* const disegnoPunti = "aggettiviPuntiDisegno";

// The rectangle of `w` on the screen.
QRect globale(const QWidget* w) {
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

} // namespace

void scalaFinestra(QWidget* finestra, double fattore) {
    if (!finestra->property(disegnoGeometria).isValid())
        finestra->setProperty(disegnoGeometria, QRect(QPoint(), finestra->size()));
    const QSize misura = finestra->property(disegnoGeometria).toRect().size();
    for (QWidget* c : finestra->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (c->isWindow()) continue;
        if (!c->property(disegnoGeometria).isValid()) {
            c->setProperty(disegnoGeometria, c->geometry());
            c->setProperty(disegnoPunti, c->font().pointSizeF());
        }
        const QRect g = c->property(disegnoGeometria).toRect();
        auto s = [fattore](int v) { return static_cast<int>(std::lround(v * fattore)); };
        // Edges, not sizes, so that flush controls stay flush.
        c->setGeometry(QRect(QPoint(s(g.left()), s(g.top())),
                             QPoint(s(g.left() + g.width()) - 1, s(g.top() + g.height()) - 1)));
        if (const double punti = c->property(disegnoPunti).toDouble(); punti > 0) {
            QFont f = c->font();
            f.setPointSizeF(std::max(1.0, punti * fattore));
            c->setFont(f);
        }
    }
    finestra->setFixedSize(static_cast<int>(std::floor(misura.width() * fattore)),
                           static_cast<int>(std::floor(misura.height() * fattore)));
}

void accanto(QWidget* finestra, QWidget* esercizio) {
    if (!finestra || !esercizio) return;
    auto trova = [esercizio](const QString& nome) { return esercizio->findChild<QWidget*>(nome); };
    // The answer column: the right edge of every answer button.
    int sinistra = 0;
    for (QPushButton* b : esercizio->findChildren<QPushButton*>()) {
        const QString n = b->objectName();
        if (n == QLatin1String("VIA") || n == QLatin1String("FINE") ||
            n == QLatin1String("Command8") || n == QLatin1String("comaiuto") ||
            b->parentWidget() != esercizio)
            continue;
        sinistra = std::max(sinistra, globale(b).right() + 1);
    }
    // Over the trail, which the pupil can do without for a while, up to the
    // window's edge.
    const int destra = globale(esercizio).right() + 1;
    int sopra = globale(esercizio).top();
    if (QWidget* a = trova(QStringLiteral("AVVISO"))) sopra = globale(a).bottom() + 1;
    // Above the feedback text, which stands under the trail's top half, and
    // above VIA and the bar.
    int sotto = globale(esercizio).bottom() + 1;
    for (const char* nome : {"gratifica", "VIA", "Frame5"})
        if (QWidget* w = trova(QString::fromLatin1(nome)))
            sotto = std::min(sotto, globale(w).top());
    // Flush with the notice and the window's edge, so that no sliver of the
    // trail peeks out; apart from the answers and the feedback.
    const int margine = std::max(1, esercizio->width() / 160);
    QRect libero(QPoint(sinistra + margine, sopra), QPoint(destra - 1, sotto - margine - 1));
    // Never off the screen. Only an exercise window dragged mostly off its
    // screen keeps a room that is mostly off it too.
    if (const QScreen* schermo = esercizio->screen()) {
        const QRect visibile = libero.intersected(schermo->availableGeometry());
        if (visibile.width() * 2 >= libero.width() && visibile.height() * 2 >= libero.height())
            libero = visibile;
    }

    // The frame is not known before the window is shown: take the exercise
    // window's, drawn by the same window manager.
    const QRect fuori = esercizio->frameGeometry(), dentro = esercizio->geometry();
    const QMargins cornice(dentro.left() - fuori.left(), dentro.top() - fuori.top(),
                           fuori.right() - dentro.right(), fuori.bottom() - dentro.bottom());
    if (!finestra->property(disegnoGeometria).isValid()) scalaFinestra(finestra, 1);
    const QSize disegno = finestra->property(disegnoGeometria).toRect().size();
    const Posto p = postoNelLibero(disegno, cornice, libero);
    scalaFinestra(finestra, p.scala);
    finestra->move(p.cornice.topLeft());
}
