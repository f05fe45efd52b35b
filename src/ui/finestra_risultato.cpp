#include "ui/finestra_risultato.h"

#include "core/statistiche.h"
#include "ui/etichetta.h"
#include "ui/forme.h"
#include "ui/geometria.h"
#include "ui/pulsante.h"

#include <QLabel>
#include <algorithm>

namespace {

const QString arial = QStringLiteral("Arial");

constexpr Rgb rosso{255, 0, 0};

constexpr Figura disegno[] = {
    {"Shape1", {45, 225, 7545, 6375}},
    {"Label5", {960, 240, 5565, 360}, 13.5, false},
    {"RISULTATO", {1725, 720, 2925, 615}, 26.25, true, Rgb{0, 0, 255}, Rgb{255, 255, 128}},
    {"LbNuovoRecord", {360, 1665, 3750, 675}, 29.25, true, rosso},
    {"Label2", {4995, 1530, 1755, 285}, 12},
    {"LbTrecord", {4815, 1800, 780, 510}, 21.75, true, rosso, Rgb{255, 255, 0}},
    {"Label1", {5760, 1980, 915, 285}, 12, true, rosso},
    {"Command1", {540, 5490, 6156, 876}, 18},
};
const Figura& figura(std::string_view nome) {
    return riga(disegno, nome);
}

// The standings, a row a level: its name label and its ten dots.
struct Riga {
    const char* etichetta; // name label
    const char* punti;     // dot array
    Twips geometria;       // of the name label
    int sopraPunti;
    Livello livello;
};
constexpr Riga righe[5] = {
    {"LbOttimo", "ShOttimo", {2976, 2496, 1308, 348}, 2600, Livello::ottimo},
    {"LbDistinto", "ShDistinto", {2976, 3024, 1308, 348}, 3100, Livello::distinto},
    {"LbBuono", "ShBuono", {2976, 3504, 1308, 348}, 3600, Livello::buono},
    {"LbSufficiente", "ShSufficiente", {2352, 3984, 1932, 348}, 4100, Livello::sufficiente},
    {"LbOccorre", "ShOccorre", {912, 4512, 3372, 348}, 4600, Livello::occorre},
};

} // namespace

FinestraRisultato::FinestraRisultato(Sessione& run, Servizi seams, QWidget* owner, bool nuovoRecord)
    : QDialog(owner), sessione(run), servizi(seams) {
    setObjectName(QStringLiteral("classificaform"));
    setWindowTitle(QStringLiteral("Form1"));
    setFixedSize(pixel(7665), pixel(6690));
    coloreSfondo(this, QColor(192, 192, 192));

    // First, so that it stays behind.
    applica(new Cornice(this, QColor(0, 0, 255)), figura("Shape1"), arial);
    etichetta(this, figura("Label5"), arial,
              QStringLiteral("livello raggiunto nell'ultima serie di domande"));
    // "occorre esercitarsi" is wider than the label: it shrinks rather than being cut.
    RISULTATO = etichetta(this, figura("RISULTATO"), arial, QStringLiteral("RISULTATO"));
    RISULTATO->setAlignment(Qt::AlignCenter);
    LbNuovoRecord = etichetta(this, figura("LbNuovoRecord"), arial, QString());
    LbNuovoRecord->setProperty("autosize", true);
    etichetta(this, figura("Label2"), arial, QStringLiteral("tempo migliore"));
    LbTrecord = etichetta(this, figura("LbTrecord"), arial, QString());
    LbTrecord->setAlignment(Qt::AlignCenter);
    etichetta(this, figura("Label1"), arial, QStringLiteral("secondi"));

    for (std::size_t r = 0; r < 5; ++r) {
        const Riga& riga = righe[r];
        const DatiLivello* lv = datiLivello(riga.livello);
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

    Command1 = pulsante(this, figura("Command1"), arial, QStringLiteral("PROSEGUI"));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &FinestraRisultato::prosegui);

    mostraEsito(nuovoRecord);
}

void FinestraRisultato::mostraEsito(bool nuovoRecord) {
    const StatoCorsa& m = sessione.stato();
    if (const DatiLivello* l = datiLivello(m.livello)) {
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

void FinestraRisultato::prosegui() {
    sessione.nuovaSerie(servizi.orologio.secondi());
    accept();
}
