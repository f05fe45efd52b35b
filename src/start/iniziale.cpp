#include "start/iniziale.h"

#include "config.h"

#include "services/geometria.h"
#include "services/pulsante.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace {
constexpr const char* serif = "Bookman Old Style";

QLabel* titolo(QWidget* padre, const char* nome, const QString& testo, Twips g, double punti) {
    QLabel* l = etichetta(padre, nome, testo, g, carattere(serif, punti, false, QFont::Serif));
    coloreTesto(l, QColor(255, 255, 0));
    l->setProperty("autosize", true);
    l->resize(std::max(l->width(), l->sizeHint().width()), l->height());
    return l;
}
} // namespace

Iniziale::Iniziale(Modulo1& run, Servizi seams, std::function<void()> quandoScelto, QWidget* parent)
    : QWidget(parent), sessione(run), servizi(seams), apriEsercizio(std::move(quandoScelto)) {
    setObjectName(QStringLiteral("Iniziale"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Form1"));
    resize(pixel(11880), pixel(8535));
    coloreSfondo(this, QColor(60, 80, 219));

    QLabel* Label2 =
        titolo(this, "Label2", QStringLiteral("Gli aggettivi"), {4350, 690, 3345, 660}, 28);
    QLabel* Label5 = etichetta(
        this, "Label5",
        QStringLiteral("Scegli se desideri fare un'analisi comprendente tutte le parti del "
                       "discorso o solo gli aggettivi."),
        {1695, 1995, 8265, 855}, carattere(serif, 16, false, QFont::Serif));
    Label5->setWordWrap(true);
    coloreTesto(Label5, QColor(255, 255, 0));
    QLabel* Label1 = titolo(this, "Label1", QStringLiteral("Esercizi di analisi grammaticale"),
                            {3660, 5625, 4485, 480}, 20);
    QLabel* Label6 =
        titolo(this, "Label6", QStringLiteral("Aggettivi: un programma libero per la scuola"),
               {3000, 6240, 6000, 330}, 14);
    QLabel* Label4 =
        titolo(this, "Label4", QStringLiteral("scritto dal gruppo di sviluppo di Aggettivi"),
               {3000, 6720, 6000, 330}, 14);
    QLabel* Label3 =
        titolo(this, "Label3", QStringLiteral("versione " AGGETTIVI_VERSIONE ", dicembre 2026"),
               {3000, 7200, 6000, 330}, 14);

    const QFont bottoni = carattere(QStringLiteral("MS Sans Serif"), 24, true);
    auto bottone = [&](const char* nome, const QString& testo, Twips g, QColor c) {
        auto* b = pulsante(this, nome, testo, g, bottoni);
        coloreSfondo(b, c);
        return b;
    };
    auto* Command1 = bottone("Command1", QStringLiteral("analisi completa"),
                             {1920, 3255, 2655, 1170}, QColor(255, 255, 128));
    auto* Command2 = bottone("Command2", QStringLiteral("solo aggettivi"), {6915, 3225, 2580, 1185},
                             QColor(192, 255, 192));
    connect(Command1, &QPushButton::clicked, this, &Iniziale::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Iniziale::Command2_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &Iniziale::Timer1_Timer);

    // Form_Load
    ridim.preparatabelle(8);
    ridim.impostaFinestra(this);
    QWidget* registro[] = {Label1, Label2, Label5, Label4, Label6, Label3, Command1, Command2};
    for (int i = 0; i < 8; ++i) ridim.registra(i + 1, registro[i]);
    ridim.adattaschermo();
    servizi.audio.suona(Suono::conga);
    Timer1->start(10000);
}

void Iniziale::Command1_Click() {
    sessione.scegliModo(0);
    apri();
}

void Iniziale::Command2_Click() {
    sessione.scegliModo(1);
    apri();
}

void Iniziale::Form_Click() {
    apri();
}
void Iniziale::Timer1_Timer() {
    apri();
}

void Iniziale::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) Form_Click();
}

void Iniziale::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    ridim.ridimensiona();
}

void Iniziale::apri() {
    if (aperto) return;
    aperto = true;
    Timer1->stop();
    if (apriEsercizio) apriEsercizio();
    close();
}
