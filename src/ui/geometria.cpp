#include "ui/geometria.h"

#include "core/verifica.h"

#include "ui/etichetta.h"
#include "ui/pulsante.h"

#include <QFontDatabase>
#include <QHash>
#include <QLabel>
#include <QPalette>
#include <QWidget>
#include <cmath>

namespace {

// Mean advance of the letters and the space, in ems, regular and bold, of the
// faces that can stand in for the design's (measured with Qt on Debian's
// fonts; a face's metric twin shares its figures). A table rather than a
// measure: measuring loads every candidate face and slows the start.
struct Larghezza {
    const char* famiglia;
    bool grazie; // a serif face
    double normale, grassetto;
};
constexpr Larghezza larghezze[] = {
    {"Liberation Sans", false, 0.577, 0.606},
    {"Arimo", false, 0.577, 0.606},
    {"Nimbus Sans", false, 0.578, 0.607},
    {"Nimbus Sans L", false, 0.578, 0.607},
    {"FreeSans", false, 0.578, 0.607},
    {"DejaVu Sans Condensed", false, 0.551, 0.620},
    {"Noto Sans", false, 0.600, 0.640},
    {"DejaVu Sans", false, 0.612, 0.689},
    {"URW Bookman", true, 0.623, 0.652},
    {"URW Bookman L", true, 0.623, 0.652},
    {"TeX Gyre Bonum", true, 0.623, 0.652},
    {"Liberation Serif", true, 0.556, 0.590},
    {"Tinos", true, 0.556, 0.590},
    {"Nimbus Roman", true, 0.557, 0.591},
    {"FreeSerif", true, 0.557, 0.591},
    {"DejaVu Serif Condensed", true, 0.585, 0.637},
    {"Noto Serif", true, 0.620, 0.660},
    {"DejaVu Serif", true, 0.650, 0.708},
};

// Widths of the design's fonts. Arial's are those of its metric twin
// Liberation Sans; "MS Sans Serif" runs about as wide as Arial; Bookman Old
// Style is a wide face, estimated a tenth wider than Arial.
double larghezzaDisegno(const QString& famiglia, bool grassetto) {
    const double arial = grassetto ? 0.606 : 0.577;
    if (famiglia == QLatin1String("Bookman Old Style")) return arial * 1.1;
    return arial;
}

// The installed face closest in width to the design's, the sans-serif or serif
// candidates in order of likeness; "" when none is installed.
QString sostituto(const QString& famiglia, bool grassetto, QFont::StyleHint stile,
                  const QStringList& installate) {
    const double voluta = larghezzaDisegno(famiglia, grassetto);
    const bool conGrazie = stile == QFont::Serif;
    QString migliore;
    double scarto = 0;
    for (const Larghezza& c : larghezze) {
        const QString nome = QString::fromLatin1(c.famiglia);
        if (c.grazie != conGrazie || !installate.contains(nome)) continue;
        const double l = grassetto ? c.grassetto : c.normale;
        // A wider face cuts captions, a narrower one only leaves room: wider weighs double.
        const double d = l > voluta ? 2 * (l - voluta) : voluta - l;
        if (migliore.isEmpty() || d < scarto) {
            migliore = nome;
            scarto = d;
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
        // Whether the face is there is asked of the font list, not by loading it.
        static const QStringList installate = [] {
            QStringList v;
            // A face from several foundries is listed as "Name [foundry]".
            for (const QString& nome : QFontDatabase::families())
                v << nome.section(QStringLiteral(" ["), 0, 0);
            return v;
        }();
        QString usata = famiglia;
        if (!installate.contains(famiglia))
            if (const QString s = sostituto(famiglia, grassetto, stile, installate); !s.isEmpty())
                usata = s;
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
