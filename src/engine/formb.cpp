#include "engine/formb.h"

#include "base/verifica.h"
#include "engine/percorso.h"
#include "engine/statistiche.h"
#include "results/classificaform.h"
#include "results/frm_errori.h"
#include "services/etichetta.h"
#include "services/geometria.h"
#include "services/pulsante.h"

#include <QApplication>
#include <QCloseEvent>
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
constexpr const char* arial = "Arial";

constexpr int sinistraParole[22] = {135,  270,  360,  450,  540,  630,  720,  810,
                                    900,  990,  1080, 1215, 1350, 1395, 1485, 1575,
                                    1665, 1755, 1845, 1935, 2025, 2115};
constexpr int sopraParole[22] = {495,  900,  1215, 1575, 1935, 2295, 2655, 2970, 3330, 3690, 4050,
                                 4365, 4680, 5040, 5355, 5715, 6030, 6390, 6705, 7065, 7380, 7740};
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

Pulsante* pulsante(QWidget* padre, const QString& nome, const QString& testo, Twips g,
                   const QFont& f) {
    auto* b = new Pulsante(testo, padre);
    b->setObjectName(nome);
    b->setGeometry(pixel(g));
    b->setFont(f);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAccessibleName(testo);
    return b;
}

} // namespace

FormB::FormB(Modulo1& m, Servizi s, QWidget* parent) : QWidget(parent), m(m), s(s) {
    termina = [this] {
        // Every window goes at once; the process stays just long enough for
        // the closing jingle.
        for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
        QTimer::singleShot(1500, qApp, &QCoreApplication::quit);
    };
    costruisci();

    // Form_Load
    registra();
    ridim.adattaschermo();
    m.maxrisposte = 20;
    m.numfrasi = 30;
    AVVISO->setText(QStringLiteral("Clicca sul tasto VIA per partire"));
    m.record = 200;
    m.nrisposte = 0;
    m.nerrori = 0;
    m.ndisplay = 1;
    m.avviato = false;
    Com10->setEnabled(false);
    Com11->setEnabled(false);
    m.frasi.riempi();
    azzerapannello();
    s.audio.suona("premivia");
}

FormB::~FormB() = default;

void FormB::costruisci() {
    setObjectName(QStringLiteral("FormB"));
    setWindowTitle(QStringLiteral("Form1"));
    resize(pixel(areaDisegno.width()), pixel(areaDisegno.height()));
    coloreSfondo(this, colore(sfondo));

    const QFont arial12 = carattere(arial, 12, true);
    const QFont bottoneFont = carattere(arial, 10, true);

    AVVISO = prepara(new EtichettaAdattata(QStringLiteral("AVVISO"), this), "AVVISO",
                     {0, 0, 12315, 420}, carattere(arial, 18, true));
    AVVISO->setAlignment(Qt::AlignCenter);
    coloreSfondo(AVVISO, QColor(192, 255, 255));
    coloreTesto(AVVISO, colore(rosso));

    for (int i = 1; i <= 22; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(nomeElemento(QStringLiteral("Lbmostra"), i));
        l->setGeometry(pixel(Twips{sinistraParole[i - 1], sopraParole[i - 1],
                                   4900 - sinistraParole[i - 1], i == 1 ? 375 : 330}));
        l->setFont(carattere(arial, 14, true));
        l->setProperty("autosize", true);
        coloreTesto(l, colore(verdeScuro));
        Lbmostra[static_cast<std::size_t>(i)] = l;
    }

    Com10 = pulsante(this, QStringLiteral("Com10"), qs(variabile.didascalia),
                     {5055, 480, 2490, 3240}, carattere(arial, 14, true));
    coloreSfondo(Com10, colore(variabile.colore));
    Com11 = pulsante(this, QStringLiteral("Com11"), qs(invariabile.didascalia),
                     {5055, 3735, 2490, 3270}, carattere(arial, 14, true));
    coloreSfondo(Com11, colore(invariabile.colore));
    connect(Com10, &QPushButton::clicked, this, &FormB::Com10_Click);
    connect(Com11, &QPushButton::clicked, this, &FormB::Com11_Click);

    for (int q = 0; q < numDomande; ++q) {
        const auto d = static_cast<Domanda>(q);
        const DescrizioneDomanda& desc = domanda(d);
        for (int i = 1; i <= static_cast<int>(desc.bottoni.size()); ++i) {
            const Bottone& b = desc.bottoni[static_cast<std::size_t>(i - 1)];
            auto* p = pulsante(this, nomeElemento(qs(desc.nome), i), qs(b.didascalia),
                               geometriaBottone(d, i), bottoneFont);
            coloreSfondo(p, colore(b.colore));
            p->hide();
            connect(p, &QPushButton::clicked, this, [this, d, i] { rispondi(d, i); });
            bottoni[static_cast<std::size_t>(q)].push_back(p);
        }
    }

    gratifica = etichetta(this, "gratifica", QString(), {7560, 5640, 4700, 700},
                          carattere(arial, 28, true));
    gratifica->setProperty("autosize", true);
    coloreTesto(gratifica, colore(rosso));

    for (int i = 1; i <= 10; ++i) {
        auto* l = new EtichettaAdattata(this);
        l->setObjectName(nomeElemento(QStringLiteral("display"), i));
        l->setGeometry(pixel(Twips{10200, sopraTraccia[i - 1], 2175, 705}));
        l->setFont(arial12);
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        l->setAutoFillBackground(true);
        coloreTesto(l, Qt::black);
        l->hide();
        display[static_cast<std::size_t>(i)] = l;
    }

    VIA = pulsante(this, QStringLiteral("VIA"), QStringLiteral("VIA"), {5040, 7035, 7275, 915},
                   carattere(arial, 18, true));
    coloreSfondo(VIA, QColor(192, 192, 192));
    connect(VIA, &QPushButton::clicked, this, &FormB::VIA_Click);

    // The blue bar at the bottom, with the counters, the clock and the two buttons.
    Frame5 = new QFrame(this);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    Frame5->setGeometry(pixel(Twips{-30, 8130, 12390, 750}));
    coloreSfondo(Frame5, QColor(0, 0, 255));
    auto riquadro = [&](const char* nome, const char* titolo, Twips g) {
        auto* f = new QGroupBox(QString::fromUtf8(titolo), Frame5);
        f->setObjectName(QString::fromLatin1(nome));
        f->setGeometry(pixel(g));
        f->setFont(carattere(arial, 8, true));
        coloreSfondo(f, QColor(192, 192, 192));
        return f;
    };
    auto contatore = [&](QWidget* padre, const char* nome, Twips g, Rgb c) {
        auto* l = etichetta(padre, nome, QStringLiteral("_"), g, arial12);
        l->setAlignment(Qt::AlignCenter);
        coloreTesto(l, colore(c));
        return l;
    };
    Frame1 = riquadro("Frame1", "risposte", {120, 15, 1200, 720});
    Lrisposte = contatore(Frame1, "Lrisposte", {60, 270, 1080, 420}, {0, 0, 0});
    Frame2 = riquadro("Frame2", "errori", {1440, 15, 1200, 720});
    Lerrori = contatore(Frame2, "Lerrori", {60, 270, 1080, 420}, rossoScuro);
    Frame3 = riquadro("Frame3", "errori %", {2760, 15, 1500, 720});
    Lpercentuale = contatore(Frame3, "Lpercentuale", {60, 270, 1000, 420}, rossoScuro);
    Label8 = contatore(Frame3, "Label8", {1080, 270, 360, 420}, rossoScuro);
    Label8->setText(QStringLiteral("%"));
    Command8 = pulsante(Frame5, QStringLiteral("Command8"), QStringLiteral("mostra errori"),
                        {4440, 120, 2100, 540}, carattere(arial, 10, true));
    connect(Command8, &QPushButton::clicked, this, &FormB::Command8_Click);
    Label1 = etichetta(Frame5, "Label1", QStringLiteral("n° della domanda"), {6600, 180, 2100, 420},
                       arial12);
    coloreTesto(Label1, colore(bianco));
    Lbclock = etichetta(Frame5, "Lbclock", QStringLiteral("0"), {8760, 180, 1200, 420},
                        carattere(arial, 14, true));
    coloreTesto(Lbclock, colore(bianco));
    FINE = pulsante(Frame5, QStringLiteral("FINE"), QStringLiteral("FINE"), {10200, 120, 2040, 540},
                    carattere(arial, 10, true));
    connect(FINE, &QPushButton::clicked, this, &FormB::FINE_Click);

    // Present in the design, never shown.
    Frame4 = new QGroupBox(QStringLiteral("tempo "), this);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    Frame4->setGeometry(pixel(Twips{10920, 7200, 1300, 720}));
    MOSTRATEMPO = etichetta(Frame4, "MOSTRATEMPO", QString(), {60, 270, 1180, 400}, arial12);
    Frame4->hide();
    comaiuto = pulsante(this, QStringLiteral("comaiuto"), QStringLiteral("Aiuto ?"),
                        {10920, 6960, 1300, 240}, carattere(arial, 8, false));
    comaiuto->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &FormB::Timer1_Timer);
    Timer1->start();
}

void FormB::registra() {
    ridim.preparatabelle(95);
    ridim.impostaFinestra(this);
    QWidget* singoli[] = {AVVISO,   gratifica, Label1,  Frame1,      Frame2,       Frame3,
                          Frame4,   Lrisposte, Lerrori, MOSTRATEMPO, Lpercentuale, comaiuto,
                          Command8, VIA,       FINE,    Com10,       Com11};
    int i = 1;
    for (QWidget* w : singoli) ridim.registra(i++, w);
    auto serie = [&](int base, Domanda d) {
        const auto& b = bottoni[static_cast<std::size_t>(d)];
        for (std::size_t k = 0; k < b.size(); ++k)
            ridim.registra(base + static_cast<int>(k) + 1, b[k]);
    };
    serie(17, Domanda::tipo);
    serie(20, Domanda::parte);
    for (int k = 1; k <= 21; ++k) ridim.registra(29 + k, Lbmostra[static_cast<std::size_t>(k)]);
    ridim.registra(51, Lbclock);
    ridim.registra(52, Frame5);
    ridim.registra(53, Label8);
    serie(53, Domanda::tipo); // the adjective-kind buttons stand twice
    serie(56, Domanda::numero);
    serie(58, Domanda::genere);
    for (int k = 1; k <= 10; ++k) ridim.registra(60 + k, display[static_cast<std::size_t>(k)]);
    serie(70, Domanda::grado);
    serie(73, Domanda::comparativo);
    serie(76, Domanda::superlativo);
    serie(79, Domanda::persona);
    serie(82, Domanda::numerale);
    serie(88, Domanda::determinativo);
    ridim.registra(95, Lbmostra[22]);
}

QPushButton* FormB::bottone(Domanda d, int indice) const {
    const auto& b = bottoni[static_cast<std::size_t>(d)];
    VERIFICA(indice >= 1 && indice <= static_cast<int>(b.size()));
    return b[static_cast<std::size_t>(indice - 1)];
}

QLabel* FormB::parola(int i) const {
    VERIFICA(i >= 1 && i <= 22);
    return Lbmostra[static_cast<std::size_t>(std::clamp(i, 1, 22))];
}

void FormB::mostraDomanda(Domanda d, bool visibile) {
    for (QPushButton* b : bottoni[static_cast<std::size_t>(d)]) b->setVisible(visibile);
}

void FormB::pannello(bool abilitato) {
    for (QPushButton* b : bottoni[static_cast<std::size_t>(Domanda::parte)])
        b->setEnabled(abilitato);
    Com11->setEnabled(abilitato);
    Com10->setEnabled(abilitato);
}

// ---- sentence cycle ----

void FormB::VIA_Click() {
    azzerapannello();
    s.audio.suona("rumorevia");
    if (!m.avviato) {
        const double ora = s.orologio.secondi();
        m.iniziotest = ora;
        m.inizio = ora;
    }
    m.avviato = true;
    gratifica->clear();
    mostraDomanda(Domanda::parte, false);
    Com10->show();
    Com11->show();
    Com10->setEnabled(true);
    Com11->setEnabled(true);
    AVVISO->setText(
        QStringLiteral("Classifica la parte in rosso prima VARIABILE o INVARIABILE poi..."));
    VIA->hide();

    s.casuale.rimescola();
    const int numfrasi = std::clamp(m.numfrasi.intero(), 1, Frasi::maxFrasi);
    int tentativi = 0;
    int nfrase = 0;
    for (;;) {
        nfrase = std::clamp(static_cast<int>(std::floor(s.casuale.uniforme() * numfrasi)), 0,
                            numfrasi - 1);
        if (m.fatta[static_cast<std::size_t>(nfrase)] == 0) break;
        if (++tentativi > 10000) {
            AVVISO->setText(QStringLiteral("TUTTE LA FRASI SONO COMPLETATE"));
            VIA->hide();
            s.audio.suona("conga");
            for (QPushButton* b : bottoni[static_cast<std::size_t>(Domanda::parte)])
                b->setEnabled(false);
            break;
        }
    }
    m.nfrase = nfrase;
    m.fatta[static_cast<std::size_t>(nfrase)] = 1;
    for (int i = 1; i <= 22; ++i) {
        parola(i)->hide();
        coloreTesto(parola(i), colore(verdeScuro));
    }
    Label1->setText(QString::number(nfrase));
    for (int i = 1; i <= 22; ++i) {
        QLabel* l = parola(i);
        l->setText(QString::fromStdString(m.frasi.testo(nfrase, i)));
        l->resize(std::max(l->width(), l->sizeHint().width()), l->height());
        l->show();
    }
    m.nparola = primaParola(m.frasi, nfrase, m.modo == 1);
    m.attesa = m.frasi.chiave1(nfrase, m.nparola);
    coloreTesto(parola(m.nparola), colore(rosso));
}

void FormB::azzerapannello() {
    for (Domanda d : {Domanda::genere, Domanda::numero, Domanda::tipo, Domanda::grado,
                      Domanda::comparativo, Domanda::superlativo, Domanda::persona,
                      Domanda::numerale, Domanda::determinativo, Domanda::parte})
        mostraDomanda(d, false);
    Com10->show();
    Com11->show();
    for (int i = 1; i <= 10; ++i) display[static_cast<std::size_t>(i)]->hide();
}

void FormB::flash(const QString& messaggio) {
    gratifica->setText(messaggio);
    gratifica->adjustSize();
    pannello(false);
    s.pausa.unSecondo();
    gratifica->clear();
    for (QPushButton* b : bottoni[static_cast<std::size_t>(Domanda::parte)]) b->setEnabled(true);
    Com11->setEnabled(true);
    Com10->setEnabled(true);
}

void FormB::Timer1_Timer() {
    if (!m.avviato) return;
    const double trascorsi = std::max(0.0, s.orologio.secondi() - m.inizio.reale());
    Lbclock->setText(QString::number(static_cast<long long>(std::floor(trascorsi))));
}

void FormB::FINE_Click() {
    if (terminando) return;
    terminando = true;
    s.audio.suona("congafine");
    if (termina) termina();
}

void FormB::closeEvent(QCloseEvent* e) {
    // Closing the window through its frame ends the program, as FINE does.
    FINE_Click();
    e->accept();
}

void FormB::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    ridim.ridimensiona();
}

// ---- answers ----

void FormB::Com10_Click() {
    primaDomanda(variabile, Com10, Com11);
}
void FormB::Com11_Click() {
    primaDomanda(invariabile, Com11, Com10);
}

void FormB::primaDomanda(const PrimaDomanda& p, QPushButton* premuto, QPushButton* altro) {
    azzerapannello();
    m.risposta = p.codice;
    if (!primaRispostaGiusta(p.codice, m.frasi.chiave1(m.nfrase, m.nparola))) {
        sbagliata(p.codice);
        mostraDomanda(Domanda::parte, false);
        return;
    }
    s.audio.suonaesatto("esatto");
    flash(QStringLiteral("Bravo !"));
    premuto->setEnabled(false);
    premuto->hide();
    altro->hide();
    for (int i = 1; i <= 9; ++i)
        bottone(Domanda::parte, i)->setVisible(i >= p.primo && i <= p.ultimo);
    aggiornastatistiche();
    scriviTraccia(p.traccia, p.colore);
}

void FormB::rispondi(Domanda d, int indice) {
    const DescrizioneDomanda& desc = domanda(d);
    if (indice < 1 || indice > static_cast<int>(desc.bottoni.size())) return;
    m.risposta = indice;
    if (m.risposta != m.attesa) {
        // A wrong part of speech counts under the one that should have been seen.
        sbagliata(d == Domanda::parte ? m.attesa : m.categoria);
        return;
    }
    s.audio.suonaesatto("esatto");
    flash(QStringLiteral("bravo!"));
    aggiornastatistiche();
    m.ndisplay = m.ndisplay + 1;
    mostraDomanda(d, false);
    const Bottone& b = desc.bottoni[static_cast<std::size_t>(indice - 1)];
    scriviTraccia(b.traccia, b.colore);
    if (d == Domanda::parte && indice == codiceAggettivo) m.categoria = m.attesa.intero();
    const DopoGiusta dopo = dopoRispostaGiusta(d, indice, m.frasi, m.nfrase, m.nparola);
    if (dopo.fineParola) {
        finisciParola(desc.fineSempreCompleta || m.modo != 1);
        return;
    }
    mostraDomanda(dopo.prossima, true);
    m.attesa = m.frasi.chiave(dopo.colonna, m.nfrase, m.nparola);
}

void FormB::sbagliata(int categoria) {
    coloreSfondo(this, colore(sfondoErrore));
    s.audio.suona("sbagliato1");
    flash(QStringLiteral("No riprova"));
    coloreSfondo(this, colore(sfondoDopoErrore));
    if (categoria >= 0 && categoria < static_cast<int>(m.contaerrori.size()))
        ++m.contaerrori[static_cast<std::size_t>(categoria)];
    ++m.nerrori;
    aggiornastatistiche();
}

void FormB::scriviTraccia(std::string_view testo, Rgb c) {
    const int n = std::clamp(m.ndisplay.intero(), 1, 10);
    QLabel* l = display[static_cast<std::size_t>(n)];
    l->setText(qs(testo));
    coloreSfondo(l, colore(c));
    l->show();
}

void FormB::finisciParola(bool completa) {
    m.ndisplay = 1;
    const QColor normale = palette().color(QPalette::ButtonText);
    if (!completa)
        for (int i = 1; i <= 22; ++i) coloreTesto(parola(i), normale);
    const Avanzamento a = ::finisciParola(m.frasi, m.nfrase, m.nparola, !completa);
    const int prima = m.nparola;
    m.nparola = a.nparola;
    if (a.completata) {
        completaFrase();
        return;
    }
    if (completa) mostraDomanda(Domanda::parte, false);
    Com10->show();
    Com11->show();
    Com10->setEnabled(true);
    Com11->setEnabled(true);
    m.attesa = m.frasi.chiave1(m.nfrase, m.nparola);
    coloreTesto(parola(m.nparola), colore(rosso));
    if (completa) coloreTesto(parola(prima), normale);
}

void FormB::completaFrase() {
    mostraDomanda(Domanda::parte, false);
    gratifica->setText(QStringLiteral("COMPLETATA"));
    gratifica->adjustSize();
    AVVISO->setText(
        QStringLiteral("Bene, hai completato questa frase; ora premi il VIA per proseguire."));
    s.audio.suona("premivia");
    VIA->show();
}

// ---- statistics ----

void FormB::aggiornastatistiche() {
    ++m.nrisposte;
    Lrisposte->setText(QString::number(m.nrisposte.intero()));
    Lpercentuale->setText(QString::number(percentualeErrori(m.nerrori, m.nrisposte)));
    Lerrori->setText(QString::number(m.nerrori.intero()));
    if (m.nrisposte >= m.maxrisposte) classifica(m.nerrori);
}

void FormB::classifica(int errori) {
    m.livello = livelloPerErrori(errori);
    classificaform finestra(m, s, this);
    s.modale.mostra(finestra);
}

// ---- error log ----

void FormB::Command8_Click() {
    if (!errori) {
        std::array<QString, 11> nomi;
        for (int i = 1; i <= 9; ++i)
            nomi[static_cast<std::size_t>(i - 1)] = bottone(Domanda::parte, i)->text();
        nomi[9] = Com10->text();
        nomi[10] = Com11->text();
        errori = new FRM_ERRORI(m, s, nomi, this);
    }
    errori->show();
    errori->raise();
    errori->activateWindow();
    errori->aggiorna();
}

// ---- keyboard ----

std::vector<QPushButton*> FormB::bottoniAperti() const {
    std::vector<QPushButton*> aperti;
    for (QPushButton* b : {Com10, Com11})
        if (!b->isHidden()) aperti.push_back(b);
    for (const auto& serie : bottoni)
        for (QPushButton* b : serie)
            if (!b->isHidden()) aperti.push_back(b);
    std::stable_sort(aperti.begin(), aperti.end(),
                     [](QPushButton* a, QPushButton* b) { return a->y() < b->y(); });
    return aperti;
}

void FormB::keyPressEvent(QKeyEvent* e) {
    const int k = e->key();
    if (k >= Qt::Key_1 && k <= Qt::Key_9) {
        const auto aperti = bottoniAperti();
        const auto n = static_cast<std::size_t>(k - Qt::Key_1);
        if (n < aperti.size() && aperti[n]->isEnabled()) aperti[n]->click();
        return;
    }
    if ((k == Qt::Key_Return || k == Qt::Key_Enter) && !VIA->isHidden() && VIA->isEnabled()) {
        VIA->click();
        return;
    }
    QWidget::keyPressEvent(e);
}

FRM_ERRORI* FormB::finestraErrori() const {
    return errori;
}
