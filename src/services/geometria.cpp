#include "services/geometria.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

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
