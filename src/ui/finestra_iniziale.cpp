#include "ui/finestra_iniziale.h"

#include "config.h"

#include "ui/geometria.h"
#include "ui/pulsante.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace {

const QString serif = QStringLiteral("Bookman Old Style");
const QString sansSerif = QStringLiteral("MS Sans Serif");
constexpr Rgb giallo{255, 255, 0};

constexpr Figura disegno[] = {
    {"Label2", {4350, 690, 3345, 660}, 28, false, giallo},
    {"Label5", {1695, 1995, 8265, 855}, 16, false, giallo},
    {"Label1", {3660, 5625, 4485, 480}, 20, false, giallo},
    {"Label6", {3000, 6240, 6000, 330}, 14, false, giallo},
    {"Label4", {3000, 6720, 6000, 330}, 14, false, giallo},
    {"Label3", {3000, 7200, 6000, 330}, 14, false, giallo},
    {"Command1", {1920, 3255, 2655, 1170}, 24, true, {}, Rgb{255, 255, 128}},
    {"Command2", {6915, 3225, 2580, 1185}, 24, true, {}, Rgb{192, 255, 192}},
    // Outside the scaling registry, placed by collocaOpzioni.
    {"Voce", {1920, 4650, 4000, 450}, 14, true, giallo},
    {"Leggibile", {6915, 4650, 4000, 450}, 14, true, giallo},
    {"AvvisoVoce", {1920, 5130, 8000, 420}, 11, false, Rgb{255, 255, 255}},
};
constexpr QSize areaDisegno(11880, 8535);

QLabel* testo(QWidget* padre, const char* nome, const QString& t) {
    return etichetta(padre, riga(disegno, nome), serif, t, QFont::Serif);
}

// A title sizes itself to its text.
QLabel* titolo(QWidget* padre, const char* nome, const QString& t) {
    QLabel* l = testo(padre, nome, t);
    l->setProperty("autosize", true);
    l->resize(std::max(l->width(), l->sizeHint().width()), l->height());
    return l;
}

} // namespace

FinestraIniziale::FinestraIniziale(StatoCorsa& run, Servizi seams,
                                   std::function<void()> quandoScelto, QWidget* parent)
    : QWidget(parent), sessione(run), servizi(seams), apriEsercizio(std::move(quandoScelto)) {
    setObjectName(QStringLiteral("Iniziale"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Form1"));
    resize(pixel(areaDisegno.width()), pixel(areaDisegno.height()));
    coloreSfondo(this, QColor(60, 80, 219));

    QLabel* Label2 = titolo(this, "Label2", QStringLiteral("Gli aggettivi"));
    QLabel* Label5 = testo(this, "Label5",
                           QStringLiteral("Scegli se desideri fare un'analisi comprendente tutte "
                                          "le parti del discorso o solo gli aggettivi."));
    Label5->setWordWrap(true);
    QLabel* Label1 = titolo(this, "Label1", QStringLiteral("Esercizi di analisi grammaticale"));
    QLabel* Label6 =
        titolo(this, "Label6", QStringLiteral("Aggettivi: un programma libero per la scuola"));
    QLabel* Label4 =
        titolo(this, "Label4", QStringLiteral("scritto dal gruppo di sviluppo di Aggettivi"));
    QLabel* Label3 =
        titolo(this, "Label3", QStringLiteral("versione " AGGETTIVI_VERSIONE ", dicembre 2026"));

    auto* Command1 =
        pulsante(this, riga(disegno, "Command1"), sansSerif, QStringLiteral("analisi completa"));
    auto* Command2 =
        pulsante(this, riga(disegno, "Command2"), sansSerif, QStringLiteral("solo aggettivi"));
    connect(Command1, &QPushButton::clicked, this, &FinestraIniziale::scegliAnalisiCompleta);
    connect(Command2, &QPushButton::clicked, this, &FinestraIniziale::scegliSoloAggettivi);

    auto opzione = [&](const char* nome, const QString& testo) {
        auto* c = applica(new QCheckBox(testo, this), riga(disegno, nome), sansSerif);
        c->setAccessibleName(QString(testo).remove(QLatin1Char('&')));
        connect(c, &QCheckBox::toggled, this, &FinestraIniziale::opzioneCambiata);
        return c;
    };
    Voce = opzione("Voce", QStringLiteral("&Leggi ad alta voce"));
    Leggibile = opzione("Leggibile", QStringLiteral("&Alta leggibilità"));
    AvvisoVoce = etichetta(this, riga(disegno, "AvvisoVoce"), sansSerif, QString());
    AvvisoVoce->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &FinestraIniziale::apriPerTempo);

    // On load: scaling tables, then the first sounds.
    ridim.preparatabelle(8);
    ridim.impostaFinestra(this);
    QWidget* registro[] = {Label1, Label2, Label5, Label4, Label6, Label3, Command1, Command2};
    for (int i = 0; i < 8; ++i) ridim.registra(i + 1, registro[i]);
    ridim.adattaschermo();
    servizi.audio.suona(Suono::conga);
    Timer1->start(10000);
}

void FinestraIniziale::scegliAnalisiCompleta() {
    sessione.scegliModo(Modo::ogniParola);
    apri();
}

void FinestraIniziale::scegliSoloAggettivi() {
    sessione.scegliModo(Modo::soloAggettivi);
    apri();
}

void FinestraIniziale::apriConClic() {
    apri();
}
void FinestraIniziale::apriPerTempo() {
    apri();
}

void FinestraIniziale::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) apriConClic();
}

void FinestraIniziale::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    ridim.ridimensiona();
    collocaOpzioni();
}

// The toggles are not in the design's registry; they follow the window the same way.
void FinestraIniziale::collocaOpzioni() {
    const double rx = double(width()) / pixel(areaDisegno.width());
    const double ry = double(height()) / pixel(areaDisegno.height());
    for (QWidget* w : {static_cast<QWidget*>(Voce), static_cast<QWidget*>(Leggibile),
                       static_cast<QWidget*>(AvvisoVoce)}) {
        const Figura& f = riga(disegno, w->objectName().toStdString());
        const QRect r = pixel(f.g);
        w->setGeometry(qRound(r.x() * rx), qRound(r.y() * ry), qRound(r.width() * rx),
                       qRound(r.height() * ry));
        QFont c = w->font();
        c.setPointSizeF(std::max(1.0, f.punti * ry));
        w->setFont(c);
    }
}

void FinestraIniziale::impostaOpzioni(bool voce, bool leggibile) {
    const QSignalBlocker a(Voce), b(Leggibile);
    Voce->setChecked(voce);
    Leggibile->setChecked(leggibile);
}

bool FinestraIniziale::voce() const {
    return Voce->isChecked();
}
bool FinestraIniziale::leggibile() const {
    return Leggibile->isChecked();
}

void FinestraIniziale::opzioneCambiata() {
    // A pupil busy with the toggles is given the whole wait again.
    if (Timer1->isActive()) Timer1->start(10000);
    if (opzioniCambiate) opzioniCambiate(voce(), leggibile());
}

void FinestraIniziale::voceNonDisponibile(const QString& perche) {
    if (!AvvisoVoce->isHidden() || aperto) return;
    AvvisoVoce->setText(
        QStringLiteral("La voce non è disponibile: l'esercizio va avanti senza lettura."));
    AvvisoVoce->setToolTip(perche); // for the teacher
    AvvisoVoce->show();
}

void FinestraIniziale::apri() {
    if (aperto) return;
    aperto = true;
    Timer1->stop();
    if (apriEsercizio) apriEsercizio();
    close();
}
