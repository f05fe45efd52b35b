#include "ui/finestra_esercizio.h"

#include "core/verifica.h"
#include "ui/etichetta.h"
#include "ui/geometria.h"
#include "ui/leggibile.h"
#include "ui/pulsante.h"
#include "ui/riquadro.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {

constexpr QSize areaDisegno(12375, 8940); // client area, twips
constexpr Rgb sfondo{145, 198, 145};
constexpr Rgb sfondoErrore{255, 192, 192};
constexpr Rgb sfondoDopoErrore{192, 255, 192};
constexpr Rgb verdeScuro{0, 64, 0};
constexpr Rgb rosso{255, 0, 0};
constexpr Rgb rossoScuro{192, 0, 0};
constexpr Rgb bianco{255, 255, 255};
constexpr Rgb grigio{192, 192, 192};
const QString arial = QStringLiteral("Arial");

// The design of the single controls; the arrays have their own tables below.
constexpr Figura disegno[] = {
    {"AVVISO", {0, 0, 12315, 420}, 18, true, rosso, Rgb{192, 255, 255}},
    {"gratifica", {7560, 5640, 4700, 700}, 28, true, rosso},
    {"VIA", {5040, 7035, 7275, 915}, 18, true, {}, Rgb{192, 192, 192}},
    {"Frame5", {-30, 8130, 12390, 750}, 0, true, {}, Rgb{0, 0, 255}},
    // Inside Frame5:
    // The captions as large as the figures they name, which stand below them.
    {"Frame1", {120, 15, 1200, 720}, 12, false, {}, grigio},
    {"Frame2", {1440, 15, 1200, 720}, 12, false, {}, grigio},
    {"Frame3", {2760, 15, 1500, 720}, 12, false, {}, grigio},
    {"Command8", {4440, 120, 2100, 540}, 10},
    {"Label1", {6600, 180, 2100, 420}, 12, true, bianco},
    {"Lbclock", {8760, 180, 1200, 420}, 14, true, bianco},
    {"FINE", {10200, 120, 2040, 540}, 10},
    // Inside Frame1, Frame2, Frame3:
    {"Lrisposte", {60, 345, 1080, 345}, 12, true, Rgb{0, 0, 0}},
    {"Lerrori", {60, 345, 1080, 345}, 12, true, rossoScuro},
    {"Lpercentuale", {60, 345, 1000, 345}, 12, true, rossoScuro},
    {"Label8", {1080, 345, 360, 345}, 12, true, rossoScuro},
    // Present in the design, never shown. In the bar frames' face, so that it
    // loads no face of its own.
    {"Frame4", {10920, 7200, 1300, 720}, 12},
    {"MOSTRATEMPO", {60, 270, 1180, 400}, 12},
    {"comaiuto", {10920, 6960, 1300, 240}, 8, false},
    // Beside the answers, with the voice only.
    {"Ripeti", {7800, 525, 1800, 480}, 10, true, {}, Rgb{255, 255, 255}},
};
const Figura& figura(std::string_view nome) {
    return riga(disegno, nome);
}

constexpr int sinistraParole[22] = {135,  270,  360,  450,  540,  630,  720,  810,
                                    900,  990,  1080, 1215, 1350, 1395, 1485, 1575,
                                    1665, 1755, 1845, 1935, 2025, 2115};
constexpr int sopraParole[22] = {495,  900,  1215, 1575, 1935, 2295, 2655, 2970, 3330, 3690, 4050,
                                 4365, 4680, 5040, 5355, 5715, 6030, 6390, 6705, 7065, 7380, 7740};
// The right edge of every word label, short of the leftmost answer button (5055) and VIA (5040).
constexpr int fineParole = 4900;

Pulsante* pulsante(QWidget* padre, const Figura& f, const QString& testo) {
    Pulsante* b = ::pulsante(padre, f, arial, testo);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QLabel* etichetta(QWidget* padre, const Figura& f, const QString& testo = QString()) {
    return ::etichetta(padre, f, arial, testo);
}

} // namespace

FinestraEsercizio::FinestraEsercizio(StatoCorsa& run, Servizi seams, QWidget* parent)
    : QWidget(parent), sessione(run), stato(run), servizi(seams), lettura(seams.voce) {
    termina = [] {
        // Every window goes at once; the process stays just long enough for
        // the closing jingle.
        for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
        QTimer::singleShot(1500, qApp, &QCoreApplication::quit);
    };
    costruisci();
    if (servizi.leggibile) aspettoLeggibile();

    // On load: the scaling tables and the run values.
    registra();
    ridim.adattaschermo();
    sessione.carica();
    AVVISO->setText(QStringLiteral("Clicca sul tasto VIA per partire"));
    Com10->setEnabled(false);
    Com11->setEnabled(false);
    azzerapannello();
    servizi.audio.suona(Suono::premivia);
}

FinestraEsercizio::~FinestraEsercizio() = default;

void FinestraEsercizio::costruisci() {
    setObjectName(QStringLiteral("FormB"));
    setWindowTitle(QStringLiteral("Form1"));
    resize(pixel(areaDisegno.width()), pixel(areaDisegno.height()));
    coloreSfondo(this, colore(sfondo));

    AVVISO =
        applica(new EtichettaAdattata(QStringLiteral("AVVISO"), this), figura("AVVISO"), arial);
    AVVISO->setAlignment(Qt::AlignCenter);

    costruisciParole();

    risposte.costruisciBottoni([this](Domanda d, int i) { rispondi(d, i); });
    Com10 = risposte.Com10;
    Com11 = risposte.Com11;
    connect(Com10, &QPushButton::clicked, this, &FinestraEsercizio::rispondiVariabile);
    connect(Com11, &QPushButton::clicked, this, &FinestraEsercizio::rispondiInvariabile);

    gratifica = etichetta(this, figura("gratifica"));
    gratifica->setProperty("autosize", true);

    risposte.costruisciTraccia();

    VIA = pulsante(this, figura("VIA"), QStringLiteral("VIA"));
    connect(VIA, &QPushButton::clicked, this, &FinestraEsercizio::estraiFrase);

    costruisciBarra();

    riquadroTempo = applica(new QGroupBox(this), figura("Frame4"), arial);
    riquadroTempo->setTitle(QStringLiteral("tempo "));
    MOSTRATEMPO = etichetta(riquadroTempo, figura("MOSTRATEMPO"));
    riquadroTempo->hide();
    comaiuto = pulsante(this, figura("comaiuto"), QStringLiteral("Aiuto ?"));
    comaiuto->hide();
    if (lettura.attiva()) {
        Ripeti = pulsante(this, figura("Ripeti"), QStringLiteral("Ripeti"));
        Ripeti->setToolTip(QStringLiteral("Ripete l'ultima lettura (tasto R)"));
        connect(Ripeti, &QPushButton::clicked, this, &FinestraEsercizio::ripetiLettura);
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &FinestraEsercizio::aggiornaOrologio);
    Timer1->start();
}

void FinestraEsercizio::costruisciParole() {
    for (int i = 1; i <= 22; ++i) {
        // Each word ends short of the answer column and VIA; a word longer
        // than the room left at its row shrinks rather than slide under them.
        auto* l = new EtichettaAdattata(this);
        l->setObjectName(nomeElemento(QStringLiteral("Lbmostra"), i));
        l->setGeometry(pixel(Twips{sinistraParole[i - 1], sopraParole[i - 1],
                                   fineParole - sinistraParole[i - 1], i == 1 ? 375 : 330}));
        l->setFont(carattere(arial, 14, true));
        l->setProperty("altezzaAlTesto", true);
        coloreTesto(l, colore(verdeScuro));
        Lbmostra[static_cast<std::size_t>(i)] = l;
    }
}

// The blue bar at the bottom, with the counters, the clock and the two buttons.
void FinestraEsercizio::costruisciBarra() {
    barra = applica(new QFrame(this), figura("Frame5"), arial);
    // The caption comes after the face: a group box measures its title at
    // once, and would load the default face for nothing.
    auto riquadro = [&](const char* nome, const char* titolo) {
        auto* r = applica(new Riquadro(barra), figura(nome), arial);
        r->setTitle(QString::fromUtf8(titolo));
        return r;
    };
    auto contatore = [&](QWidget* padre, const char* nome) {
        QLabel* l = etichetta(padre, figura(nome), QStringLiteral("_"));
        l->setAlignment(Qt::AlignCenter);
        return l;
    };
    riquadroRisposte = riquadro("Frame1", "risposte");
    Lrisposte = contatore(riquadroRisposte, "Lrisposte");
    riquadroErrori = riquadro("Frame2", "errori");
    Lerrori = contatore(riquadroErrori, "Lerrori");
    riquadroPercentuale = riquadro("Frame3", "errori %");
    Lpercentuale = contatore(riquadroPercentuale, "Lpercentuale");
    segnoPercento = contatore(riquadroPercentuale, "Label8");
    segnoPercento->setText(QStringLiteral("%"));
    mostraErrori = pulsante(barra, figura("Command8"), QStringLiteral("mostra errori"));
    connect(mostraErrori, &QPushButton::clicked, this, &FinestraEsercizio::mostraRegistro);
    numeroDomanda = etichetta(barra, figura("Label1"), QStringLiteral("n° della domanda"));
    Lbclock = etichetta(barra, figura("Lbclock"), QStringLiteral("0"));
    FINE = pulsante(barra, figura("FINE"), QStringLiteral("FINE"));
    connect(FINE, &QPushButton::clicked, this, &FinestraEsercizio::esci);
}

void FinestraEsercizio::registra() {
    ridim.preparatabelle(Ripeti ? 96 : 95);
    ridim.impostaFinestra(this);
    QWidget* singoli[] = {AVVISO,         gratifica,
                          numeroDomanda,  riquadroRisposte,
                          riquadroErrori, riquadroPercentuale,
                          riquadroTempo,  Lrisposte,
                          Lerrori,        MOSTRATEMPO,
                          Lpercentuale,   comaiuto,
                          mostraErrori,   VIA,
                          FINE,           Com10,
                          Com11};
    int i = 1;
    for (QWidget* w : singoli) ridim.registra(i++, w);
    auto serie = [&](int base, Domanda d) {
        const auto& b = risposte.serie(d);
        for (std::size_t k = 0; k < b.size(); ++k)
            ridim.registra(base + static_cast<int>(k) + 1, b[k]);
    };
    serie(17, Domanda::tipo);
    serie(20, Domanda::parte);
    for (int k = 1; k <= 21; ++k) ridim.registra(29 + k, Lbmostra[static_cast<std::size_t>(k)]);
    ridim.registra(51, Lbclock);
    ridim.registra(52, barra);
    ridim.registra(53, segnoPercento);
    serie(53, Domanda::tipo); // the adjective-kind buttons stand twice
    serie(56, Domanda::numero);
    serie(58, Domanda::genere);
    for (int k = 1; k <= 10; ++k) ridim.registra(60 + k, risposte.traccia(k));
    serie(70, Domanda::grado);
    serie(73, Domanda::comparativo);
    serie(76, Domanda::superlativo);
    serie(79, Domanda::persona);
    serie(82, Domanda::numerale);
    serie(88, Domanda::determinativo);
    ridim.registra(95, Lbmostra[22]);
    if (Ripeti) ridim.registra(96, Ripeti);
}

// Before the registry records the fonts, so that scaling keeps the larger sizes.
void FinestraEsercizio::aspettoLeggibile() {
    rossoParola = colore(leggibile::rosso);
    // The words in a plain legible face, as large as the design's line height
    // allows: OpenDyslexic's tall lines would push the last one under the bar.
    for (QLabel* l : Lbmostra) {
        if (!l) continue;
        const int alto = QFontMetrics(l->font()).height();
        QFont f = leggibile::caratterePiano(l->font().pointSizeF() * leggibile::ingrandimento,
                                            l->font().bold());
        // A little under, for the rounding of larger screens.
        for (int i = 0; i < 20 && QFontMetrics(f).height() > alto * 0.97; ++i)
            f.setPointSizeF(f.pointSizeF() * 0.97);
        l->setFont(f);
        l->setProperty("senzaMaiuscole", true);
    }
    for (int q = 0; q < numDomande; ++q)
        for (QPushButton* b : risposte.serie(static_cast<Domanda>(q))) leggibile::applica(b);
    for (QPushButton* b : {Com10, Com11}) leggibile::applica(b);
    for (int i = 1; i <= 10; ++i) leggibile::applica(risposte.traccia(i));
    for (QWidget* w : {static_cast<QWidget*>(AVVISO), static_cast<QWidget*>(gratifica),
                       static_cast<QWidget*>(VIA), static_cast<QWidget*>(FINE)})
        leggibile::applica(w, 1);
    if (Ripeti) leggibile::applica(Ripeti, 1);
    coloreTesto(AVVISO, rossoParola);
    coloreTesto(gratifica, rossoParola);
    // A disabled caption stays readable: dark grey rather than the style's pale one.
    for (QPushButton* b : findChildren<QPushButton*>()) {
        QPalette p = b->palette();
        p.setColor(QPalette::Disabled, QPalette::ButtonText, colore(leggibile::disabilitato));
        b->setPalette(p);
    }
}

// The word under analysis is red; in the high-legibility look also underlined,
// for a pupil who tells red from green poorly.
void FinestraEsercizio::colora(QLabel* l, const QColor& c) {
    coloreTesto(l, c);
    if (!servizi.leggibile) return;
    QFont f = l->font();
    f.setUnderline(c == rossoParola);
    l->setFont(f);
}

QLabel* FinestraEsercizio::parola(int i) const {
    VERIFICA(i >= 1 && i <= 22);
    return Lbmostra[static_cast<std::size_t>(std::clamp(i, 1, 22))];
}

void FinestraEsercizio::pannello(bool abilitato) {
    for (QPushButton* b : risposte.serie(Domanda::parte)) b->setEnabled(abilitato);
    Com11->setEnabled(abilitato);
    Com10->setEnabled(abilitato);
}

// Variable or invariable: the question every word starts with.
void FinestraEsercizio::apriPrimaDomanda() {
    Com10->show();
    Com11->show();
    Com10->setEnabled(true);
    Com11->setEnabled(true);
}

// ---- sentence cycle ----

void FinestraEsercizio::estraiFrase() {
    azzerapannello();
    servizi.audio.suona(Suono::rumorevia);
    const Sessione::Estrazione x = sessione.estrai(servizi.casuale, servizi.orologio.secondi());
    gratifica->clear();
    mostraDomanda(Domanda::parte, false);
    apriPrimaDomanda();
    AVVISO->setText(
        QStringLiteral("Classifica la parte in rosso prima VARIABILE o INVARIABILE poi..."));
    VIA->hide();
    if (x.esaurita) {
        AVVISO->setText(QStringLiteral("TUTTE LE FRASI SONO COMPLETATE"));
        servizi.audio.suona(Suono::conga);
        for (QPushButton* b : risposte.serie(Domanda::parte)) b->setEnabled(false);
    }
    for (int i = 1; i <= 22; ++i) {
        parola(i)->hide();
        colora(parola(i), colore(verdeScuro));
    }
    numeroDomanda->setText(QString::number(x.nfrase));
    for (int i = 1; i <= 22; ++i) {
        QLabel* l = parola(i);
        l->setText(QString::fromStdString(stato.frasi.testo(x.nfrase, i)));
        l->show();
    }
    colora(parola(x.nparola), rossoParola);
    leggiDomanda(Parlato::primaDomanda,
                 {fraseDetta(), Parlato::parola(stato.frasi.testo(x.nfrase, x.nparola))});
}

void FinestraEsercizio::azzerapannello() {
    risposte.azzera();
}

bool FinestraEsercizio::flash(const QString& messaggio) {
    gratifica->setText(messaggio);
    gratifica->adjustSize();
    pannello(false);
    servizi.pausa.unSecondo();
    // The window was closed during the pause: the program is ending.
    if (terminando) return false;
    gratifica->clear();
    pannello(true);
    return true;
}

void FinestraEsercizio::aggiornaOrologio() {
    if (!stato.avviato) return;
    const double trascorsi = std::max(0.0, servizi.orologio.secondi() - stato.inizio.reale());
    Lbclock->setText(QString::number(static_cast<long long>(std::floor(trascorsi))));
}

void FinestraEsercizio::esci() {
    if (terminando) return;
    terminando = true;
    Timer1->stop();
    servizi.audio.suona(Suono::congafine);
    if (termina) termina();
}

void FinestraEsercizio::closeEvent(QCloseEvent* e) {
    // Closing the window through its frame ends the program as FINE does,
    // jingle included: the window is hidden, not closed, so that the last
    // closed window does not end the program before the jingle.
    esci();
    e->ignore();
}

void FinestraEsercizio::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    ridim.ridimensiona();
}

// ---- answers ----

void FinestraEsercizio::rispondiVariabile() {
    primaDomanda(variabile, Com10, Com11);
}
void FinestraEsercizio::rispondiInvariabile() {
    primaDomanda(invariabile, Com11, Com10);
}

void FinestraEsercizio::primaDomanda(const PrimaDomanda& p, QPushButton* premuto,
                                     QPushButton* altro) {
    if (terminando) return;
    azzerapannello();
    const Sessione::Esito e = sessione.rispondiPrima(p);
    if (!segnala(e, QStringLiteral("Bravo !"))) return;
    if (!e.giusta) {
        if (!aggiornastatistiche(e)) return;
        mostraDomanda(Domanda::parte, false);
        return;
    }
    premuto->setEnabled(false);
    premuto->hide();
    altro->hide();
    for (int i = 1; i <= 9; ++i)
        bottone(Domanda::parte, i)->setVisible(i >= e.primaParte && i <= e.ultimaParte);
    if (!aggiornastatistiche(e)) return;
    scriviTraccia(e);
    leggiDomanda(Parlato::domanda(Domanda::parte));
}

void FinestraEsercizio::rispondi(Domanda d, int indice) {
    if (terminando) return;
    const Sessione::Esito e = sessione.rispondi(d, indice);
    if (e.ignorata || !segnala(e, QStringLiteral("bravo!"))) return;
    if (!aggiornastatistiche(e) || !e.giusta) return;
    mostraDomanda(d, false);
    scriviTraccia(e);
    if (e.dopo == Sessione::Dopo::domanda) {
        mostraDomanda(e.prossima, true);
        leggiDomanda(Parlato::domanda(e.prossima));
    } else {
        dopoParola(e);
    }
}

bool FinestraEsercizio::segnala(const Sessione::Esito& e, const QString& bravo) {
    lettura.esito(e.giusta);
    if (e.giusta) {
        servizi.audio.suonaesatto();
        return flash(bravo);
    }
    coloreSfondo(this, colore(sfondoErrore));
    servizi.audio.suona(Suono::sbagliato1);
    if (!flash(QStringLiteral("No riprova"))) return false;
    coloreSfondo(this, colore(sfondoDopoErrore));
    return true;
}

void FinestraEsercizio::scriviTraccia(const Sessione::Esito& e) {
    risposte.scrivi(std::clamp(e.etichettaTraccia, 1, 10), e.traccia, e.colore);
}

void FinestraEsercizio::dopoParola(const Sessione::Esito& e) {
    const QColor normale = palette().color(QPalette::ButtonText);
    if (!e.parolaPerParola)
        for (int i = 1; i <= 22; ++i) colora(parola(i), normale);
    if (e.dopo == Sessione::Dopo::fraseCompletata) {
        completaFrase();
        return;
    }
    if (e.parolaPerParola) mostraDomanda(Domanda::parte, false);
    apriPrimaDomanda();
    colora(parola(stato.nparola), rossoParola);
    if (e.parolaPerParola) colora(parola(e.parolaFinita), normale);
    leggiDomanda(Parlato::primaDomanda,
                 {Parlato::parola(stato.frasi.testo(stato.nfrase, stato.nparola))});
}

void FinestraEsercizio::completaFrase() {
    mostraDomanda(Domanda::parte, false);
    gratifica->setText(QStringLiteral("COMPLETATA"));
    gratifica->adjustSize();
    AVVISO->setText(
        QStringLiteral("Bene, hai completato questa frase; ora premi il VIA per proseguire."));
    servizi.audio.suona(Suono::premivia);
    VIA->show();
    lettura.leggi({std::string(Parlato::completata), fraseDetta()});
}

void FinestraEsercizio::leggiDomanda(std::string_view domanda, std::vector<std::string> prima) {
    if (!lettura.attiva()) return;
    prima.emplace_back(domanda);
    for (QPushButton* b : risposte.aperti())
        prima.push_back(Parlato::didascalia(b->text().toStdString()));
    lettura.leggi(std::move(prima));
}

std::string FinestraEsercizio::fraseDetta() const {
    std::vector<std::string> celle;
    for (int i = 1; i <= 22; ++i) celle.push_back(stato.frasi.testo(stato.nfrase, i));
    return Parlato::frase(celle);
}

void FinestraEsercizio::ripetiLettura() {
    lettura.ripeti();
}

// ---- statistics ----

bool FinestraEsercizio::aggiornastatistiche(const Sessione::Esito& e) {
    Lrisposte->setText(QString::number(stato.nrisposte));
    Lpercentuale->setText(QString::number(sessione.percentuale()));
    Lerrori->setText(QString::number(stato.nerrori));
    if (e.chiudeSerie) classifica();
    return !terminando;
}

void FinestraEsercizio::classifica() {
    const Sessione::Chiusura c = sessione.chiudiSerie(servizi.orologio.secondi());
    lettura.leggi({Parlato::livello(static_cast<int>(c.livello))});
    emit serieChiusa(c.nuovoRecord);
}

// ---- error log ----

void FinestraEsercizio::mostraRegistro() {
    emit registroRichiesto();
}

std::array<QString, 11> FinestraEsercizio::nomiCategorie() const {
    std::array<QString, 11> nomi;
    for (int i = 1; i <= 9; ++i)
        nomi[static_cast<std::size_t>(i - 1)] = bottone(Domanda::parte, i)->text();
    nomi[9] = Com10->text();
    nomi[10] = Com11->text();
    return nomi;
}

// ---- keyboard ----

void FinestraEsercizio::keyPressEvent(QKeyEvent* e) {
    const int k = e->key();
    if (k >= Qt::Key_1 && k <= Qt::Key_9) {
        if (QPushButton* b = risposte.perTasto(k - Qt::Key_0)) b->click();
        return;
    }
    if (k == Qt::Key_R && Ripeti) {
        ripetiLettura();
        return;
    }
    if ((k == Qt::Key_Return || k == Qt::Key_Enter) && !VIA->isHidden() && VIA->isEnabled()) {
        VIA->click();
        return;
    }
    QWidget::keyPressEvent(e);
}
