#include "ui/pannello.h"

#include "core/verifica.h"
#include "ui/etichetta.h"
#include "ui/geometria.h"
#include "ui/pulsante.h"

#include <QLabel>
#include <algorithm>

namespace {

const QString arial = QStringLiteral("Arial");

constexpr Twips geometriaVariabile{5055, 480, 2490, 3240};
constexpr Twips geometriaInvariabile{5055, 3735, 2490, 3270};
constexpr int sopraTraccia[10] = {435, 1125, 1830, 2520, 3210, 3915, 4620, 5280, 5940, 6420};

// Design geometry of the answer buttons, by question and Index.
Twips geometriaBottone(Domanda d, int i) {
    const int k = i - 1;
    switch (d) {
    case Domanda::parte:
        if (i == 1) return {5160, 600, 2100, 645};
        if (i <= 5) return {5160, 1200 + 600 * (i - 2), 2100, 600};
        return {5175, std::array{3705, 4440, 5160, 5880}[static_cast<std::size_t>(i - 6)], 2100,
                800};
    case Domanda::tipo:
        return {5160, 600 + 600 * k, 2100, 645};
    case Domanda::grado:
        return {5160, 480 + 720 * k, 2055, 705};
    case Domanda::comparativo: // majority on top
        return {5160, std::array{1200, 1920, 480}[static_cast<std::size_t>(k)], 2055, 690};
    case Domanda::superlativo:
        return {5160, 480 + 720 * k, 2055, 720};
    case Domanda::determinativo:
        if (i <= 4) return {5160, 480 + 720 * k, 2055, 705};
        return {5175, i == 5 ? 3330 : 3915, 2055, 585};
    case Domanda::numerale:
        return {5280, 480 + 720 * k, 1935, 855};
    case Domanda::persona:
        return {5160, 480 + 600 * k, 2055, i == 3 ? 585 : 600};
    case Domanda::genere:
    case Domanda::numero:
        return {5160, 480 + 720 * k, 2100, 765};
    }
    return {};
}

// Answers come from clicks and the digit keys, never from a focused button.
Pulsante* bottoneRisposta(QWidget* padre, const QString& nome, std::string_view testo, Twips g,
                          const QFont& f, Rgb sfondo) {
    Pulsante* b = pulsante(padre, "", qs(testo), g, f);
    b->setObjectName(nome);
    b->setFocusPolicy(Qt::NoFocus);
    coloreSfondo(b, colore(sfondo));
    return b;
}

} // namespace

void PannelloDomande::costruisciBottoni(std::function<void(Domanda, int)> premuto) {
    const QFont grande = carattere(arial, 14, true);
    Com10 = bottoneRisposta(finestra, QStringLiteral("Com10"), variabile.didascalia,
                            geometriaVariabile, grande, variabile.colore);
    Com11 = bottoneRisposta(finestra, QStringLiteral("Com11"), invariabile.didascalia,
                            geometriaInvariabile, grande, invariabile.colore);

    const QFont f = carattere(arial, 10, true);
    for (int q = 0; q < numDomande; ++q) {
        const auto d = static_cast<Domanda>(q);
        const DescrizioneDomanda& desc = domanda(d);
        for (int i = 1; i <= static_cast<int>(desc.bottoni.size()); ++i) {
            const Bottone& b = desc.bottoni[static_cast<std::size_t>(i - 1)];
            QPushButton* p = bottoneRisposta(finestra, nomeElemento(qs(desc.nome), i), b.didascalia,
                                             geometriaBottone(d, i), f, b.colore);
            p->hide();
            QObject::connect(p, &QPushButton::clicked, finestra,
                             [premuto, d, i] { premuto(d, i); });
            bottoni[static_cast<std::size_t>(q)].push_back(p);
        }
    }
}

void PannelloDomande::costruisciTraccia() {
    const QFont f = carattere(arial, 12, true);
    for (int i = 1; i <= 10; ++i) {
        auto* l = new EtichettaAdattata(finestra);
        l->setObjectName(nomeElemento(QStringLiteral("display"), i));
        l->setGeometry(pixel(Twips{10200, sopraTraccia[i - 1], 2175, 705}));
        l->setFont(f);
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        l->setAutoFillBackground(true);
        coloreTesto(l, Qt::black);
        l->hide();
        display[static_cast<std::size_t>(i)] = l;
    }
}

QPushButton* PannelloDomande::bottone(Domanda d, int indice) const {
    const auto& b = serie(d);
    VERIFICA(indice >= 1 && indice <= static_cast<int>(b.size()));
    return b[static_cast<std::size_t>(std::clamp(indice, 1, static_cast<int>(b.size())) - 1)];
}

const std::vector<QPushButton*>& PannelloDomande::serie(Domanda d) const {
    return bottoni[static_cast<std::size_t>(d)];
}

QLabel* PannelloDomande::traccia(int i) const {
    VERIFICA(i >= 1 && i <= 10);
    return display[static_cast<std::size_t>(std::clamp(i, 1, 10))];
}

void PannelloDomande::mostra(Domanda d, bool visibile) {
    for (QPushButton* b : serie(d)) b->setVisible(visibile);
}

void PannelloDomande::azzera() {
    for (Domanda d : {Domanda::genere, Domanda::numero, Domanda::tipo, Domanda::grado,
                      Domanda::comparativo, Domanda::superlativo, Domanda::persona,
                      Domanda::numerale, Domanda::determinativo, Domanda::parte})
        mostra(d, false);
    Com10->show();
    Com11->show();
    for (int i = 1; i <= 10; ++i) traccia(i)->hide();
}

void PannelloDomande::scrivi(int i, std::string_view testo, Rgb c) {
    QLabel* l = traccia(i);
    l->setText(qs(testo));
    coloreSfondo(l, colore(c));
    l->show();
}

std::vector<QPushButton*> PannelloDomande::aperti() const {
    std::vector<QPushButton*> v;
    for (QPushButton* b : {Com10, Com11})
        if (!b->isHidden()) v.push_back(b);
    for (const auto& s : bottoni)
        for (QPushButton* b : s)
            if (!b->isHidden()) v.push_back(b);
    std::stable_sort(v.begin(), v.end(),
                     [](QPushButton* a, QPushButton* b) { return a->y() < b->y(); });
    return v;
}

QPushButton* PannelloDomande::perTasto(int n) const {
    const auto v = aperti();
    if (n < 1 || n > static_cast<int>(v.size())) return nullptr;
    QPushButton* b = v[static_cast<std::size_t>(n - 1)];
    return b->isEnabled() ? b : nullptr;
}
