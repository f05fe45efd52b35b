#include "results/frm_errori.h"

#include "results/classificaform.h"
#include "services/geometria.h"
#include "services/pulsante.h"

#include <QLabel>

namespace {
int sopraRiga(int i) {
    if (i == 15) return 6720;
    if (i == 16) return 7200;
    return 360 * (i - 1);
}
} // namespace

FRM_ERRORI::FRM_ERRORI(Sessione& run, Servizi seams, const std::array<QString, 11>& nomi,
                       QWidget* owner)
    : QWidget(owner, Qt::Window), sessione(run), servizi(seams) {
    setObjectName(QStringLiteral("FRM_ERRORI"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Form2"));
    setFixedSize(pixel(9495), pixel(6765));
    coloreSfondo(this, QColor(255, 192, 192));

    const QFont conteggio = carattere("MS Sans Serif", 13.5, true);
    const QFont nome = carattere("MS Sans Serif", 12, true);
    for (int i = 0; i <= 16; ++i) {
        auto* rr = new QLabel(this);
        rr->setObjectName(nomeElemento(QStringLiteral("RR"), i));
        // Right-aligned just before its name, so that "19" never runs into it.
        rr->setGeometry(pixel(Twips{525, sopraRiga(std::max(i, 1)), 975, 375}));
        rr->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rr->setFont(conteggio);
        coloreTesto(rr, QColor(255, 0, 0));
        rr->setVisible(i >= 1 && i <= 11);
        RR[static_cast<std::size_t>(i)] = rr;
        if (i == 0) continue;
        auto* lb = new QLabel(this);
        lb->setObjectName(QStringLiteral("Lberrori") + QString::number(i));
        lb->move(pixel(1560), pixel(sopraRiga(i)));
        lb->setFont(nome);
        lb->setVisible(i <= 11);
        if (i <= 11) lb->setText(nomi[static_cast<std::size_t>(i - 1)]);
        lb->adjustSize();
        Lberrori[static_cast<std::size_t>(i)] = lb;
    }

    const QFont bottoni = carattere("MS Sans Serif", 18, true);
    auto* Command2 = pulsante(this, "Command2", QStringLiteral("mostra classifica"),
                              {15, 5220, 3225, 1245}, bottoni);
    connect(Command2, &QPushButton::clicked, this, &FRM_ERRORI::Command2_Click);
    auto* Command1 = pulsante(this, "Command1", QStringLiteral("CHIUDI FINESTRA"),
                              {3810, 5235, 5580, 1230}, bottoni);
    connect(Command1, &QPushButton::clicked, this, &FRM_ERRORI::Command1_Click);

    // Beside the exercise window, not over its answer column.
    if (owner) move(owner->x() + owner->width() - width() - pixel(300), owner->y() + pixel(600));
}

void FRM_ERRORI::aggiorna() {
    for (int i = 1; i <= 16; ++i)
        RR[static_cast<std::size_t>(i)]->setText(QString::fromStdString(
            sessione.stato().contaerrori[static_cast<std::size_t>(i)].testo()));
}

void FRM_ERRORI::Command1_Click() {
    close();
}

void FRM_ERRORI::Command2_Click() {
    sessione.soloClassifica();
    classificaform finestra(sessione, servizi, this);
    servizi.modale.mostra(finestra);
}
