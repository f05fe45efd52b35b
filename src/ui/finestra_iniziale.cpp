#include "ui/finestra_iniziale.h"

#include "config.h"

#include "ui/avvisofrasi.h"
#include "ui/geometria.h"
#include "ui/pulsante.h"

#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <cmath>

namespace {

const QString serif = QStringLiteral("Bookman Old Style");
const QString sansSerif = QStringLiteral("MS Sans Serif");
constexpr Rgb giallo{255, 255, 0};
// The teacher's lines at the foot: quieter than the yellow of the pupil's
// text, still 5.2:1 on the window's blue.
constexpr Rgb chiaro{230, 234, 255};
constexpr int largDisegno = 11880;
constexpr int altDisegno = 8535;

constexpr Figura disegno[] = {
    {"Label2", {4350, 690, 3345, 660}, 28, false, giallo},
    {"Label5", {1695, 1995, 8265, 855}, 16, false, giallo},
    {"Label1", {3660, 5625, 4485, 480}, 20, false, giallo},
    {"Label6", {3000, 6240, 6000, 330}, 14, false, giallo},
    {"Label4", {3000, 6720, 6000, 330}, 14, false, giallo},
    {"Label3", {3000, 7200, 6000, 330}, 14, false, giallo},
    {"Command1", {1920, 3255, 2655, 1170}, 24, true, {}, Rgb{255, 255, 128}},
    {"Command2", {6915, 3225, 2580, 1185}, 24, true, {}, Rgb{192, 255, 192}},
    // The teacher's foot, away from the two buttons; the room right of the
    // credit lines is left for more of the teacher's controls.
    {"FrasiInUso", {240, 7725, 9000, 315}, 11, false, chiaro},
    {"AvvisoFrasi", {240, 8085, 9000, 315}, 11, false, chiaro},
    {"AltreFrasi", {9600, 7770, 2040, 540}, 11, false, chiaro, Rgb{44, 60, 172}},
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

QStringList dialogoFile(QWidget* finestra) {
    return QFileDialog::getOpenFileNames(finestra, QStringLiteral("Scegli i file di frasi"),
                                         QDir::homePath(),
                                         QStringLiteral("File di frasi (*.txt);;Tutti i file (*)"));
}

QStringList fileLocali(const QMimeData* dati) {
    QStringList file;
    if (dati)
        for (const QUrl& u : dati->urls())
            if (u.isLocalFile()) file << u.toLocalFile();
    return file;
}

} // namespace

FinestraIniziale::FinestraIniziale(StatoCorsa& run, Servizi seams,
                                   std::function<void()> quandoScelto, QWidget* parent)
    : QWidget(parent), chiediFile(dialogoFile), sessione(run), servizi(seams),
      apriEsercizio(std::move(quandoScelto)) {
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

    inUso = testo(this, "FrasiInUso", QString());
    altre = pulsante(this, riga(disegno, "AltreFrasi"), serif, QStringLiteral("Altre frasi…"));
    altre->setFont(carattere(serif, riga(disegno, "AltreFrasi").punti, false, QFont::Serif));
    altre->setToolTip(QStringLiteral("Per l'insegnante: scegli i file di frasi da usare"));
    altre->setFocusPolicy(Qt::NoFocus); // the pupil's keys stay on the two buttons
    connect(altre, &QPushButton::clicked, this, &FinestraIniziale::scegliAltreFrasi);
    setAcceptDrops(true);
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
    collocaPiede();
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
    collocaPiede();
}

// The foot is not in the registry (that holds the design's eight controls):
// it is scaled here the same way, place and font.
void FinestraIniziale::collocaPiede() {
    const double rx = width() / double(pixel(largDisegno));
    const double ry = height() / double(pixel(altDisegno));
    auto colloca = [&](QWidget* w, const char* nome) {
        if (!w) return;
        const Figura& f = riga(disegno, nome);
        const QRect g = pixel(f.g);
        w->setGeometry(
            QRect(QPoint(int(std::lround(g.left() * rx)), int(std::lround(g.top() * ry))),
                  QPoint(int(std::lround((g.right() + 1) * rx)) - 1,
                         int(std::lround((g.bottom() + 1) * ry)) - 1)));
        QFont c = w->font();
        c.setPointSizeF(std::max(1.0, f.punti * ry));
        w->setFont(c);
    };
    colloca(inUso, "FrasiInUso");
    colloca(avviso, "AvvisoFrasi");
    colloca(altre, "AltreFrasi");
}

void FinestraIniziale::mostraFrasi(const FrasiInUso& f) {
    inUso->setText(f.riga);
    inUso->setAccessibleName(f.riga);
    if (f.problemi.isEmpty()) {
        if (avviso) avviso->hide();
        return;
    }
    if (!avviso) {
        avviso = new AvvisoFrasi(this, f.scartate, f.problemi);
        applica(avviso, riga(disegno, "AvvisoFrasi"), serif, QFont::Serif);
        QFont c = avviso->font();
        c.setUnderline(true);
        avviso->setFont(c);
        connect(avviso, &AvvisoFrasi::elencoAperto, this, [this](QWidget* elenco) {
            sospendi();
            connect(elenco, &QObject::destroyed, this, &FinestraIniziale::riprendi);
        });
        collocaPiede();
    } else {
        avviso->imposta(f.scartate, f.problemi);
    }
    avviso->show();
}

void FinestraIniziale::sospendi() {
    if (occupata++ == 0) Timer1->stop();
}

void FinestraIniziale::riprendi() {
    if (occupata > 0 && --occupata == 0 && !aperto) Timer1->start(10000);
}

void FinestraIniziale::scegliAltreFrasi() {
    if (aperto || !chiediFile) return;
    sospendi();
    const QStringList file = chiediFile(this);
    if (!file.isEmpty()) usa(file);
    riprendi();
}

void FinestraIniziale::usa(const QStringList& file) {
    if (usaFile && !aperto) mostraFrasi(usaFile(file));
}

void FinestraIniziale::dragEnterEvent(QDragEnterEvent* e) {
    if (aperto || !usaFile || fileLocali(e->mimeData()).isEmpty()) return;
    e->acceptProposedAction();
    if (!trascina) sospendi();
    trascina = true;
}

void FinestraIniziale::dragLeaveEvent(QDragLeaveEvent*) {
    if (trascina) riprendi();
    trascina = false;
}

void FinestraIniziale::dropEvent(QDropEvent* e) {
    const QStringList file = fileLocali(e->mimeData());
    if (!file.isEmpty()) {
        e->acceptProposedAction();
        usa(file);
    }
    if (trascina) riprendi();
    trascina = false;
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
