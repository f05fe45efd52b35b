#include "results/classificaform.h"

#include "engine/statistiche.h"
#include "results/forme.h"
#include "services/etichetta.h"
#include "services/geometria.h"
#include "services/pulsante.h"

#include <QLabel>
#include <algorithm>

namespace {

const QString arial = QStringLiteral("Arial");

struct Riga {
    const char* etichetta; // name label
    const char* punti;     // dot array
    Twips geometria;       // of the name label
    int sopraPunti;
    int livello;
};
constexpr Riga righe[5] = {
    {"LbOttimo", "ShOttimo", {2976, 2496, 1308, 348}, 2600, 5},
    {"LbDistinto", "ShDistinto", {2976, 3024, 1308, 348}, 3100, 4},
    {"LbBuono", "ShBuono", {2976, 3504, 1308, 348}, 3600, 3},
    {"LbSufficiente", "ShSufficiente", {2352, 3984, 1932, 348}, 4100, 2},
    {"LbOccorre", "ShOccorre", {912, 4512, 3372, 348}, 4600, 1},
};

} // namespace

classificaform::classificaform(Sessione& run, Servizi seams, QWidget* owner, bool nuovoRecord)
    : QDialog(owner), sessione(run), servizi(seams) {
    setObjectName(QStringLiteral("classificaform"));
    setWindowTitle(QStringLiteral("Form1"));
    setFixedSize(pixel(7665), pixel(6690));
    coloreSfondo(this, QColor(192, 192, 192));

    auto* Shape1 = new Cornice(this, QColor(0, 0, 255)); // first, so it stays behind
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(pixel(Twips{45, 225, 7545, 6375}));

    etichetta(this, "Label5", QStringLiteral("livello raggiunto nell'ultima serie di domande"),
              {960, 240, 5565, 360}, carattere(arial, 13.5, false));
    // "occorre esercitarsi" is wider than the label: it shrinks rather than being cut.
    RISULTATO = prepara(new EtichettaAdattata(QStringLiteral("RISULTATO"), this), "RISULTATO",
                        {1725, 720, 2925, 615}, carattere(arial, 26.25, true));
    RISULTATO->setAlignment(Qt::AlignCenter);
    coloreSfondo(RISULTATO, QColor(255, 255, 128));
    coloreTesto(RISULTATO, QColor(0, 0, 255));
    LbNuovoRecord = etichetta(this, "LbNuovoRecord", QString(), {360, 1665, 3750, 675},
                              carattere(arial, 29.25, true));
    LbNuovoRecord->setProperty("autosize", true);
    coloreTesto(LbNuovoRecord, QColor(255, 0, 0));
    etichetta(this, "Label2", QStringLiteral("tempo migliore"), {4995, 1530, 1695, 285},
              carattere(arial, 12, true));
    LbTrecord = etichetta(this, "LbTrecord", QString(), {4815, 1800, 720, 510},
                          carattere(arial, 21.75, true));
    LbTrecord->setAlignment(Qt::AlignCenter);
    coloreSfondo(LbTrecord, QColor(255, 255, 0));
    coloreTesto(LbTrecord, QColor(255, 0, 0));
    coloreTesto(etichetta(this, "Label1", QStringLiteral("secondi"), {5760, 1980, 915, 285},
                          carattere(arial, 12, true)),
                QColor(255, 0, 0));

    for (std::size_t r = 0; r < 5; ++r) {
        const Riga& riga = righe[r];
        const Livello* lv = livello(riga.livello);
        QLabel* nome = etichetta(this, riga.etichetta, qs(lv->nome), riga.geometria,
                                 carattere(arial, 13.5, true));
        nome->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        coloreSfondo(nome, colore(lv->colore));
        coloreTesto(nome, Qt::black);
        for (int i = 1; i <= 10; ++i) {
            auto* c = new Cerchio(this);
            c->setObjectName(nomeElemento(QString::fromLatin1(riga.punti), i));
            c->setGeometry(pixel(Twips{4500 + 225 * (i - 1), riga.sopraPunti, 195, 195}));
            c->impostaColore(colore(lv->colore));
            punti[r][static_cast<std::size_t>(i - 1)] = c;
        }
    }

    Command1 = pulsante(this, "Command1", QStringLiteral("PROSEGUI"), {540, 5490, 6156, 876},
                        carattere(arial, 18, true));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &classificaform::Command1_Click);

    Form_Load(nuovoRecord);
}

void classificaform::Form_Load(bool nuovoRecord) {
    const Modulo1& m = sessione.stato();
    if (const Livello* l = livello(m.livello)) {
        RISULTATO->setText(qs(l->risultato));
        coloreSfondo(RISULTATO, colore(l->colore));
    }
    for (std::size_t r = 0; r < 5; ++r) {
        const int n = sessione.serie(righe[r].livello);
        for (int i = 1; i <= 10; ++i) punti[r][static_cast<std::size_t>(i - 1)]->setVisible(i <= n);
    }
    LbNuovoRecord->clear();
    if (nuovoRecord) {
        LbNuovoRecord->setText(QStringLiteral("Nuovo Record!"));
        LbNuovoRecord->adjustSize();
    }
    LbTrecord->setText(QString::number(m.record));
}

void classificaform::Command1_Click() {
    sessione.nuovaSerie(servizi.orologio.secondi());
    accept();
}
