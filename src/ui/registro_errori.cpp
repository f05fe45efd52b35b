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

constexpr Figura disegno[] = {
    {"Command2", {45, 5520, 2430, 1005}, 18},
    {"Command1", {45, 6600, 2430, 1005}, 18},
};

// One column beside the answers: single-line names 360 apart, the two-line
// ones 600.
int sopraRiga(int i) {
    constexpr int sopra[17] = {0,    60,   420,  780,  1140, 1500, 1860, 2460, 3060,
                               3660, 4260, 4860, 5460, 5820, 6180, 7800, 8160};
    return sopra[std::clamp(i, 0, 16)];
}
int righeNome(int i) {
    return i >= 6 && i <= 11 ? 2 : 1;
}
} // namespace

RegistroErrori::RegistroErrori(Sessione& run, Servizi seams, const std::array<QString, 11>& nomi,
                               QWidget* owner)
    : QWidget(owner, Qt::Window), sessione(run), servizi(seams) {
    setObjectName(QStringLiteral("FRM_ERRORI"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Form2"));
    setFixedSize(pixel(2520), pixel(7680));
    coloreSfondo(this, QColor(255, 192, 192));

    const QFont conteggio = carattere(sansSerif, 13.5, true);
    const QFont nome = carattere(sansSerif, 12, true);
    for (int i = 0; i <= 16; ++i) {
        auto* rr = new EtichettaAdattata(this);
        rr->setObjectName(nomeElemento(QStringLiteral("RR"), i));
        // Right-aligned just before its name, so that "19" never runs into it.
        rr->setGeometry(pixel(Twips{0, sopraRiga(std::max(i, 1)), 480, 375}));
        rr->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rr->setFont(conteggio);
        coloreTesto(rr, QColor(255, 0, 0));
        rr->setVisible(i >= 1 && i <= 11);
        RR[static_cast<std::size_t>(i)] = rr;
        if (i == 0) continue;
        auto* lb = new EtichettaAdattata(this);
        lb->setObjectName(QStringLiteral("Lberrori") + QString::number(i));
        lb->setGeometry(pixel(Twips{540, sopraRiga(i) + 45, 1950, 285 * righeNome(i)}));
        lb->setWordWrap(true);
        lb->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        lb->setFont(nome);
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

    // Beside the answer column, over neither the answers nor the trail.
    accanto(this, owner);
}

void RegistroErrori::aggiorna() {
    for (int i = 1; i <= 16; ++i)
        RR[static_cast<std::size_t>(i)]->setText(QString::fromStdString(
            sessione.stato().contaerrori[static_cast<std::size_t>(i)].testo()));
}

void RegistroErrori::chiudi() {
    close();
}

void RegistroErrori::mostraClassifica() {
    sessione.soloClassifica();
    FinestraRisultato finestra(sessione, servizi, this);
    servizi.modale.mostra(finestra);
}
