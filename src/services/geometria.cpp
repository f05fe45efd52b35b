#include "services/geometria.h"

#include "base/verifica.h"

#include "services/etichetta.h"
#include "services/pulsante.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QLabel>
#include <QPalette>
#include <QWidget>
#include <cmath>

namespace {

const QString campione = QStringLiteral("abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ");

// Mean advance of `campione`, in ems.
double larghezza(const QString& famiglia, bool grassetto) {
    QFont f(famiglia);
    f.setPixelSize(1000);
    f.setBold(grassetto);
    return QFontMetricsF(f).horizontalAdvance(campione) / 1000.0 / campione.size();
}

// Widths of the design's fonts. Arial's are those of its metric twin
// Liberation Sans; "MS Sans Serif" runs about as wide as Arial; Bookman Old
// Style is a wide face, estimated a tenth wider than Arial.
double larghezzaDisegno(const QString& famiglia, bool grassetto) {
    const double arial = grassetto ? 0.606 : 0.577;
    if (famiglia == QLatin1String("Bookman Old Style")) return arial * 1.1;
    return arial;
}

QString sostituto(const QString& famiglia, bool grassetto, QFont::StyleHint stile) {
    static const QStringList senza = {
        QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
        QStringLiteral("Nimbus Sans"),     QStringLiteral("Nimbus Sans L"),
        QStringLiteral("FreeSans"),        QStringLiteral("DejaVu Sans Condensed"),
        QStringLiteral("Noto Sans"),       QStringLiteral("DejaVu Sans")};
    static const QStringList grazie = {
        QStringLiteral("URW Bookman"),    QStringLiteral("URW Bookman L"),
        QStringLiteral("TeX Gyre Bonum"), QStringLiteral("Liberation Serif"),
        QStringLiteral("Tinos"),          QStringLiteral("Nimbus Roman"),
        QStringLiteral("FreeSerif"),      QStringLiteral("DejaVu Serif Condensed"),
        QStringLiteral("Noto Serif"),     QStringLiteral("DejaVu Serif")};
    const QStringList installate = QFontDatabase::families();
    const double voluta = larghezzaDisegno(famiglia, grassetto);
    QString migliore;
    double scarto = 0;
    for (const QString& c : stile == QFont::Serif ? grazie : senza) {
        if (!installate.contains(c)) continue;
        const double l = larghezza(c, grassetto);
        // A wider face cuts captions, a narrower one only leaves room: wider weighs double.
        const double s = l > voluta ? 2 * (l - voluta) : voluta - l;
        if (migliore.isEmpty() || s < scarto) {
            migliore = c;
            scarto = s;
        }
    }
    return migliore;
}

} // namespace

QFont carattere(const QString& famiglia, double punti, bool grassetto, QFont::StyleHint stile) {
    QFont f(famiglia);
    f.setStyleHint(stile);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    // Resolved once per face: windows are rebuilt often (the result window every series).
    static QHash<QString, QString> risolte;
    const QString chiave = famiglia + QLatin1Char(grassetto ? '1' : '0') + QString::number(stile);
    auto it = risolte.constFind(chiave);
    if (it == risolte.constEnd()) {
        QString usata = famiglia;
        if (QFontInfo(f).family() != famiglia)
            if (const QString s = sostituto(famiglia, grassetto, stile); !s.isEmpty()) usata = s;
        it = risolte.insert(chiave, usata);
    }
    f.setFamily(*it);
    return f;
}

void coloreSfondo(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Button, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void coloreTesto(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

QString nomeElemento(const QString& array, int i) {
    return array + QLatin1Char('(') + QString::number(i) + QLatin1Char(')');
}

QLabel* prepara(QLabel* l, const char* nome, Twips g, const QFont& f) {
    l->setObjectName(QString::fromLatin1(nome));
    l->setGeometry(pixel(g));
    l->setFont(f);
    return l;
}

QLabel* etichetta(QWidget* padre, const char* nome, const QString& testo, Twips g, const QFont& f) {
    return prepara(new EtichettaAdattata(testo, padre), nome, g, f);
}

Pulsante* pulsante(QWidget* padre, const char* nome, const QString& testo, Twips g,
                   const QFont& f) {
    auto* b = new Pulsante(testo, padre);
    b->setObjectName(QString::fromLatin1(nome));
    b->setGeometry(pixel(g));
    b->setFont(f);
    b->setAccessibleName(testo);
    return b;
}

const Figura& riga(std::span<const Figura> tabella, std::string_view nome) {
    for (const Figura& f : tabella)
        if (nome == f.nome) return f;
    VERIFICA(!"a control missing from the design table");
    return tabella.front();
}

void applicaFigura(QWidget* w, const Figura& f, const QString& famiglia, QFont::StyleHint stile) {
    w->setObjectName(QString::fromLatin1(f.nome));
    w->setGeometry(pixel(f.g));
    if (f.punti > 0) w->setFont(carattere(famiglia, f.punti, f.grassetto, stile));
    if (f.sfondo) coloreSfondo(w, colore(*f.sfondo));
    if (f.testo) coloreTesto(w, colore(*f.testo));
}

QLabel* etichetta(QWidget* padre, const Figura& f, const QString& famiglia, const QString& testo,
                  QFont::StyleHint stile) {
    return applica(new EtichettaAdattata(testo, padre), f, famiglia, stile);
}

Pulsante* pulsante(QWidget* padre, const Figura& f, const QString& famiglia, const QString& testo) {
    Pulsante* b = applica(new Pulsante(testo, padre), f, famiglia);
    b->setAccessibleName(testo);
    return b;
}
