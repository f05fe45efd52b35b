#include "services/geometria.h"

#include "services/pulsante.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

#include "base/verifica.h"

QFont carattere(const QString& famiglia, double punti, bool grassetto, QFont::StyleHint stile) {
    QFont f(famiglia);
    f.setStyleHint(stile);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
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
    return prepara(new QLabel(testo, padre), nome, g, f);
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

void applicaFigura(QWidget* w, const Figura& f, const QString& famiglia) {
    w->setObjectName(QString::fromLatin1(f.nome));
    w->setGeometry(pixel(f.g));
    if (f.punti > 0) w->setFont(carattere(famiglia, f.punti, f.grassetto));
    if (f.sfondo) coloreSfondo(w, colore(*f.sfondo));
    if (f.testo) coloreTesto(w, colore(*f.testo));
}
