#include "ui/registro_errori.h"

#include "ui/etichetta.h"
#include "ui/finestra_risultato.h"
#include "ui/geometria.h"
#include "ui/posto.h"
#include "ui/pulsante.h"

#include <QLabel>
#include <algorithm>

namespace {

const QString sansSerif = QStringLiteral("MS Sans Serif");

// Drawn for the room right of the answer column, above the feedback text:
// eleven rows of one line each, then the two buttons side by side. The
// window is scaled from here to the room it is given.
constexpr QSize areaDisegno(4650, 4500);
constexpr int primaRiga = 75, passoRiga = 330, altezzaRiga = 330;
constexpr Twips colonnaConteggi{45, 0, 435, altezzaRiga};
constexpr Twips colonnaNomi{555, 0, 4050, altezzaRiga};

constexpr Figura disegno[] = {
    {"Command2", {45, 3810, 2250, 630}, 12},
    {"Command1", {2355, 3810, 2250, 630}, 12},
};

Twips inRiga(Twips t, int i) {
    t.top = primaRiga + passoRiga * (std::clamp(i, 1, 16) - 1);
    return t;
}

// One size for a whole column: the largest with which every text of it fits.
void unaMisura(const std::array<QLabel*, 17>& colonna, int da, int a) {
    double punti = 0;
    for (int i = da; i <= a; ++i) {
        auto* l = static_cast<EtichettaAdattata*>(colonna[static_cast<std::size_t>(i)]);
        const double p = l->caratterePerTesto().pointSizeF();
        if (i == da || p < punti) punti = p;
    }
    for (int i = da; i <= a; ++i) {
        QLabel* l = colonna[static_cast<std::size_t>(i)];
        QFont f = l->font();
        f.setPointSizeF(punti);
        l->setFont(f);
    }
}
} // namespace

RegistroErrori::RegistroErrori(Sessione& run, Servizi seams, const std::array<QString, 11>& nomi,
                               QWidget* owner)
    // A tool window of the exercise window: it stays above it while open,
    // and the exercise window stays usable.
    : QWidget(owner, Qt::Tool), sessione(run), servizi(seams) {
    setObjectName(QStringLiteral("FRM_ERRORI"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Form2"));
    setFixedSize(pixel(areaDisegno.width()), pixel(areaDisegno.height()));
    coloreSfondo(this, QColor(255, 192, 192));

    const QFont numero = carattere(sansSerif, 13.5, true);
    const QFont parola = carattere(sansSerif, 12, true);
    for (int i = 0; i <= 16; ++i) {
        auto* rr = new EtichettaAdattata(this);
        rr->setObjectName(nomeElemento(QStringLiteral("RR"), i));
        // Right-aligned just before its name, so that "19" never runs into it.
        rr->setGeometry(pixel(inRiga(colonnaConteggi, std::max(i, 1))));
        rr->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rr->setFont(numero);
        coloreTesto(rr, QColor(255, 0, 0));
        rr->setVisible(i >= 1 && i <= 11);
        RR[static_cast<std::size_t>(i)] = rr;
        if (i == 0) continue;
        auto* lb = new EtichettaAdattata(this);
        lb->setObjectName(QStringLiteral("Lberrori") + QString::number(i));
        lb->setGeometry(pixel(inRiga(colonnaNomi, i)));
        lb->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        lb->setFont(parola);
        lb->setVisible(i <= 11);
        if (i <= 11) lb->setText(nomi[static_cast<std::size_t>(i - 1)]);
        Lberrori[static_cast<std::size_t>(i)] = lb;
    }

    auto* Command2 =
        pulsante(this, riga(disegno, "Command2"), sansSerif, QStringLiteral("mostra classifica"));
    connect(Command2, &QPushButton::clicked, this, &RegistroErrori::mostraClassifica);
    auto* Command1 =
        pulsante(this, riga(disegno, "Command1"), sansSerif, QStringLiteral("CHIUDI FINESTRA"));
    connect(Command1, &QPushButton::clicked, this, &RegistroErrori::chiudi);

    accanto(this, owner);
    uniforma();
}

void RegistroErrori::uniforma() {
    unaMisura(Lberrori, 1, 11);
    unaMisura(RR, 1, 11);
}

void RegistroErrori::aggiorna() {
    for (int i = 1; i <= 16; ++i)
        RR[static_cast<std::size_t>(i)]->setText(QString::fromStdString(
            sessione.stato().contaerrori[static_cast<std::size_t>(i)].testo()));
    uniforma();
}

void RegistroErrori::chiudi() {
    close();
}

void RegistroErrori::mostraClassifica() {
    sessione.soloClassifica();
    FinestraRisultato finestra(sessione, servizi, this);
    servizi.modale.mostra(finestra);
}
