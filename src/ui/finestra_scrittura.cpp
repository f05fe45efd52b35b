#include "ui/finestra_scrittura.h"

#include "core/formato.h"
#include "core/nuovafrase.h"
#include "core/parlato.h"
#include "ui/esiti.h"
#include "ui/finestra_esercizio.h"
#include "ui/geometria.h"
#include "ui/pulsante.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <span>

namespace {

const QString arial = QStringLiteral("Arial");
constexpr Rgb rosso{255, 0, 0};
constexpr Rgb verdeScuro{0, 64, 0};
constexpr Rgb nero{0, 0, 0};
constexpr Rgb grigio{192, 192, 192};

constexpr QSize areaDisegno(12375, 8940); // as the exercise window

constexpr Figura disegno[] = {
    {"istruzioni", {0, 0, 12315, 420}, 12, true, Rgb{0, 0, 160}, Rgb{192, 255, 255}},
    {"testoFrase", {120, 480, 3660, 420}, 11, false},
    {"ascolta", {3840, 480, 1080, 420}, 10, true, {}, grigio},
    {"dividi", {120, 960, 2300, 420}, 10, true, {}, grigio},
    {"unisci", {2520, 960, 2400, 420}, 10, true, {}, grigio},
    {"separa", {120, 1440, 2300, 420}, 10, true, {}, grigio},
    {"testoEsatto", {2520, 1440, 2400, 420}, 11, false},
    {"salta", {5160, 2040, 2100, 600}, 10, true, {}, Rgb{224, 224, 224}},
    {"riapri", {5160, 480, 2100, 645}, 10, true, {}, Rgb{255, 255, 192}},
    {"messaggio", {5040, 7035, 7275, 915}, 11, true, verdeScuro},
    {"barra", {-30, 8130, 12390, 750}, 0, true, {}, Rgb{0, 0, 255}},
    // Inside the bar:
    {"indietro", {120, 120, 1650, 540}, 10},
    {"nuova", {1860, 120, 1650, 540}, 10},
    {"prova", {3840, 120, 1650, 540}, 10},
    {"salva", {5580, 120, 1650, 540}, 10},
    {"salvaIn", {7320, 120, 1650, 540}, 10},
    {"guida", {9120, 120, 1350, 540}, 10},
    {"chiudi", {10590, 120, 1650, 540}, 10},
};
const Figura& figura(std::string_view nome) {
    return riga(disegno, nome);
}

constexpr int sopraGruppo(int i) {
    return 1980 + 270 * (i - 1);
}

std::string utf8(const QString& s) {
    return s.toStdString();
}

std::string testoFile(const Frase& f) {
    return scriviFrasi(std::span(&f, 1));
}

} // namespace

// The sentence tried as a pupil would: a run of its own, with this sentence only.
struct FinestraScrittura::Prova {
    StatoCorsa stato;
    std::unique_ptr<FinestraEsercizio> finestra;
};

FinestraScrittura::FinestraScrittura(QString file, Servizi seams, Archivio& dove, QWidget* parent)
    : QWidget(parent), destinazione(std::move(file)), servizi(seams), archivio(dove) {
    costruisci();
    // Scaled to the screen as the exercise window is: every named control.
    const auto controlli = findChildren<QWidget*>();
    ridim.preparatabelle(static_cast<int>(controlli.size()));
    ridim.impostaFinestra(this);
    int i = 0;
    for (QWidget* w : controlli)
        if (!w->objectName().isEmpty()) ridim.registra(++i, w);
    ridim.adattaschermo();
    aggiorna();
}

void FinestraScrittura::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    ridim.ridimensiona();
}

FinestraScrittura::~FinestraScrittura() = default;

FinestraEsercizio* FinestraScrittura::prova() const {
    return inProva ? inProva->finestra.get() : nullptr;
}

QTextBrowser* FinestraScrittura::finestraGuida() const {
    return lettoreGuida;
}

void FinestraScrittura::costruisci() {
    setObjectName(QStringLiteral("FormScrivi"));
    setWindowTitle(QStringLiteral("Scrivi nuove frasi"));
    resize(pixel(areaDisegno.width()), pixel(areaDisegno.height()));
    coloreSfondo(this, QColor(145, 198, 145));

    // A click on any button gives the keys back to the window: the digits
    // answer again, and the text box left applies what it holds.
    auto bottone = [this](QWidget* padre, const char* nome, const QString& testo, auto azione) {
        auto* b = applica(new Pulsante(testo, padre), figura(nome), arial);
        b->setAccessibleName(testo);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, azione] {
            setFocus();
            (this->*azione)();
        });
        return b;
    };

    istruzioni = applica(new QLabel(QStringLiteral("Scrivi la frase e dividila in parole; poi "
                                                   "analizza ogni parola con i pulsanti."),
                                    this),
                         figura("istruzioni"), arial);
    istruzioni->setAlignment(Qt::AlignCenter);

    testoFrase = applica(new QLineEdit(this), figura("testoFrase"), arial);
    testoFrase->setPlaceholderText(QStringLiteral("Scrivi qui la frase"));
    testoFrase->installEventFilter(this);
    connect(testoFrase, &QLineEdit::returnPressed, this, &FinestraScrittura::dividiFrase);
    bottone(this, "dividi", QStringLiteral("Dividi in parole"), &FinestraScrittura::dividiFrase);
    bottone(this, "ascolta", QStringLiteral("Ascolta"), &FinestraScrittura::ascoltaFrase);
    unisci = bottone(this, "unisci", QStringLiteral("Unisci alla seguente"),
                     &FinestraScrittura::unisciGruppi);
    separa = bottone(this, "separa", QStringLiteral("Separa"), &FinestraScrittura::separaGruppo);
    testoEsatto = applica(new QLineEdit(this), figura("testoEsatto"), arial);
    testoEsatto->setPlaceholderText(QStringLiteral("testo esatto della parola"));
    testoEsatto->setToolTip(QStringLiteral("Il testo della parola come apparirà, spazi compresi"));
    testoEsatto->installEventFilter(this);
    // Leaving the box (another box, Tab, Esc) applies it as Invio does.
    connect(testoEsatto, &QLineEdit::editingFinished, this, [this] {
        inizioAzione();
        aggiorna();
    });
    connect(testoEsatto, &QLineEdit::returnPressed, this, [this] { setFocus(); });
    setTabOrder(testoFrase, testoEsatto);

    const QFont parola = carattere(arial, 10, true);
    for (int i = 1; i <= Compositore::maxGruppi; ++i) {
        auto* b = pulsante(this, "", QString(), {120, sopraGruppo(i), 4800, 270}, parola);
        b->setObjectName(nomeElemento(QStringLiteral("gruppo"), i));
        b->setFocusPolicy(Qt::NoFocus);
        b->setFlat(true);
        b->hide();
        connect(b, &QPushButton::clicked, this, [this, i] {
            setFocus();
            scegliGruppo(i);
        });
        gruppi[static_cast<std::size_t>(i)] = b;
    }

    risposte.costruisciBottoni([this](Domanda d, int i) {
        setFocus();
        premuto(d, i);
    });
    connect(risposte.Com10, &QPushButton::clicked, this, [this] {
        setFocus();
        primaRisposta(true);
    });
    connect(risposte.Com11, &QPushButton::clicked, this, [this] {
        setFocus();
        primaRisposta(false);
    });
    salta =
        bottone(this, "salta", QStringLiteral("Nessun genere"), &FinestraScrittura::saltaGenere);
    riapri = bottone(this, "riapri", QStringLiteral("Analizza di nuovo"),
                     &FinestraScrittura::riapriGruppo);
    risposte.costruisciTraccia();

    messaggio = applica(new QLabel(this), figura("messaggio"), arial);
    messaggio->setWordWrap(true);
    messaggio->setAlignment(Qt::AlignCenter);

    auto* barra = applica(new QFrame(this), figura("barra"), arial);
    bottone(barra, "indietro", QStringLiteral("Indietro"), &FinestraScrittura::tornaIndietro);
    bottone(barra, "nuova", QStringLiteral("Nuova frase"), &FinestraScrittura::nuovaFrase);
    bottone(barra, "prova", QStringLiteral("Prova"), &FinestraScrittura::provaFrase);
    bottone(barra, "salva", QStringLiteral("Salva"), &FinestraScrittura::salvaFrase);
    bottone(barra, "salvaIn", QStringLiteral("Salva in…"), &FinestraScrittura::salvaFraseIn);
    bottone(barra, "guida", QStringLiteral("Guida"), &FinestraScrittura::mostraGuida);
    bottone(barra, "chiudi", QStringLiteral("Chiudi"), &QWidget::close);
    auto* salvaSubito = new QShortcut(QKeySequence::Save, this);
    connect(salvaSubito, &QShortcut::activated, this, &FinestraScrittura::salvaFrase);
}

void FinestraScrittura::avvisa(const QString& testo, bool errore) {
    esito = testo;
    esitoErrore = errore;
    messaggio->setText(testo);
    coloreTesto(messaggio, colore(errore ? rosso : verdeScuro));
}

void FinestraScrittura::inizioAzione() {
    esito.clear();
    applicaEsatto();
}

void FinestraScrittura::applicaEsatto() {
    if (compositore.numeroGruppi() == 0) return;
    const int g = compositore.corrente();
    const std::string t = utf8(testoEsatto->text());
    if (t == compositore.testo(g)) return;
    if (!compositore.impostaTesto(g, t)) {
        avvisa(QStringLiteral("Il testo di una parola non può restare vuoto: scrivi la parola "
                              "come deve apparire."),
               true);
        testoEsatto->setText(QString::fromStdString(compositore.testo(g)));
    }
}

bool FinestraScrittura::daSalvare() const {
    return compositore.analizzati() > 0 && testoFile(compositore.frase()) != salvata;
}

bool FinestraScrittura::lasciaAndare(const QString& domanda) {
    if (!daSalvare()) return true;
    QMessageBox box(QMessageBox::Question, windowTitle(), domanda, QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("domandaSalva"));
    box.setInformativeText(QStringLiteral("Vuoi salvare la frase?"));
    QPushButton* si = box.addButton(QStringLiteral("Salva"), QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(QStringLiteral("Non salvare"), QMessageBox::DestructiveRole);
    QPushButton* annulla = box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
    si->setObjectName(QStringLiteral("rispostaSalva"));
    no->setObjectName(QStringLiteral("rispostaNonSalvare"));
    annulla->setObjectName(QStringLiteral("rispostaAnnulla"));
    box.setDefaultButton(si);
    box.setEscapeButton(annulla);
    servizi.modale.mostra(box);
    if (box.clickedButton() == no) return true;
    // A save that fails says why and keeps everything where it was.
    if (box.clickedButton() == si) return salvaFrase();
    return false;
}

QString FinestraScrittura::suggerimento() const {
    if (compositore.numeroGruppi() == 0)
        return QStringLiteral("Scrivi la frase e premi Invio per dividerla in parole.");
    if (!compositore.completa())
        return QStringLiteral("Unisci le parole che vanno analizzate insieme, poi analizza la "
                              "parola in rosso.");
    if (!daSalvare())
        return QStringLiteral("La frase è salvata. Per scriverne un'altra premi «Nuova frase».");
    return QStringLiteral("Tutte le parole sono analizzate: Salva o Prova.");
}

void FinestraScrittura::aggiorna() {
    messaggio->setText(esito.isEmpty() ? suggerimento() : esito);
    coloreTesto(messaggio, colore(!esito.isEmpty() && esitoErrore ? rosso : verdeScuro));
    const int n = compositore.numeroGruppi();
    for (int i = 1; i <= Compositore::maxGruppi; ++i) {
        QPushButton* b = gruppi[static_cast<std::size_t>(i)];
        b->setVisible(i <= n);
        if (i > n) continue;
        const int g = i - 1;
        b->setText(QString::fromStdString(compositore.testo(g)));
        b->setAccessibleName(b->text());
        const Rgb c = g == compositore.corrente() ? rosso
                      : compositore.finito(g)     ? verdeScuro
                                                  : nero;
        coloreTesto(b, colore(c));
    }
    unisci->setEnabled(compositore.corrente() + 1 < n);
    separa->setEnabled(n > 0 && compositore.parole(compositore.corrente()).size() > 1);
    testoEsatto->setEnabled(n > 0);
    testoEsatto->setText(n > 0 ? QString::fromStdString(compositore.testo(compositore.corrente()))
                               : QString());

    risposte.azzera();
    risposte.Com10->hide();
    risposte.Com11->hide();
    salta->hide();
    riapri->hide();
    if (n == 0) return;
    const Compositore::Aperta a = compositore.aperta();
    switch (a.tipo) {
    case Compositore::Aperta::prima:
        risposte.Com10->show();
        risposte.Com11->show();
        break;
    case Compositore::Aperta::facoltativa:
        salta->show();
        [[fallthrough]];
    case Compositore::Aperta::domanda:
        if (a.d == Domanda::parte) {
            for (int i = a.primaParte; i <= a.ultimaParte; ++i)
                risposte.bottone(Domanda::parte, i)->show();
        } else {
            risposte.mostra(a.d, true);
        }
        break;
    case Compositore::Aperta::finita:
        riapri->show();
        break;
    }
    int i = 1;
    for (const auto& v : compositore.traccia()) risposte.scrivi(i++, v.testo, v.colore);
}

void FinestraScrittura::dividiFrase() {
    inizioAzione();
    const std::string testo = utf8(testoFrase->text());
    const Compositore::Taglio t = compositore.confronta(testo);
    if (t.gruppi == 0)
        avvisa(QStringLiteral("Scrivi prima una frase."), true);
    else if (t.gruppi > Compositore::maxGruppi)
        // The drill shows at most 22 words: a longer sentence would lose its end.
        avvisa(QStringLiteral("La frase ha %1 parole: al massimo %2. Scrivine prima "
                              "una parte, unisci le parole che vanno insieme, poi aggiungi il "
                              "resto.")
                   .arg(t.gruppi)
                   .arg(Compositore::maxGruppi),
               true);
    else if (t.perse == 0 ||
             lasciaAndare(QStringLiteral("Le parole cambiate perdono la loro analisi, e la frase "
                                         "di prima non è salvata.")))
        compositore.ritaglia(testo);
    setFocus();
    aggiorna();
}

void FinestraScrittura::unisciGruppi() {
    inizioAzione();
    compositore.unisci(compositore.corrente());
    aggiorna();
}

void FinestraScrittura::separaGruppo() {
    inizioAzione();
    compositore.dividi(compositore.corrente());
    aggiorna();
}

void FinestraScrittura::scegliGruppo(int indice) {
    inizioAzione();
    compositore.seleziona(indice - 1);
    aggiorna();
}

void FinestraScrittura::tornaIndietro() {
    inizioAzione();
    compositore.indietro();
    aggiorna();
}

void FinestraScrittura::riapriGruppo() {
    inizioAzione();
    compositore.riapri(compositore.corrente());
    aggiorna();
}

void FinestraScrittura::saltaGenere() {
    inizioAzione();
    compositore.salta();
    aggiorna();
}

void FinestraScrittura::primaRisposta(bool var) {
    inizioAzione();
    compositore.rispondiPrima(var);
    aggiorna();
}

void FinestraScrittura::premuto(Domanda d, int indice) {
    inizioAzione();
    compositore.rispondi(d, indice);
    aggiorna();
}

bool FinestraScrittura::salvabile() {
    if (!compositore.completa()) {
        avvisa(QStringLiteral("Analizza prima tutte le parole (quelle in nero o in rosso)."), true);
        return false;
    }
    const std::vector<std::string> problemi = problemiNuovaFrase(compositore.frase());
    if (!problemi.empty()) {
        QStringList righe;
        for (const std::string& p : problemi) righe << QString::fromStdString(p);
        avvisa(QStringLiteral("La frase non si può salvare: ") + righe.join(QStringLiteral("; ")),
               true);
        return false;
    }
    return true;
}

bool FinestraScrittura::salvaNel(const QString& file) {
    const Archivio::Esito e = archivio.aggiungi(file, compositore.frase());
    if (e.ok) salvata = testoFile(compositore.frase());
    avvisa(e.messaggio, !e.ok);
    aggiorna();
    return e.ok;
}

bool FinestraScrittura::salvaFrase() {
    inizioAzione();
    return salvabile() && salvaNel(destinazione);
}

bool FinestraScrittura::salvaFraseIn() {
    inizioAzione();
    // Nothing to choose a file for when the sentence cannot be saved anyway.
    if (!salvabile()) return false;
    QFileDialog d(this, QStringLiteral("Salva la frase in…"),
                  cartellaScelta.isEmpty() ? QFileInfo(destinazione).absolutePath()
                                           : cartellaScelta,
                  QStringLiteral("File di frasi (*.txt)"));
    d.setObjectName(QStringLiteral("sceltaFile"));
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setDefaultSuffix(QStringLiteral("txt"));
    // The sentence is added at the end: an existing file is never replaced.
    d.setOption(QFileDialog::DontConfirmOverwrite);
    servizi.modale.mostra(d);
    if (d.result() != QDialog::Accepted || d.selectedFiles().isEmpty()) {
        aggiorna();
        return false;
    }
    const QString scelto = d.selectedFiles().constFirst();
    cartellaScelta = QFileInfo(scelto).absolutePath();
    return salvaNel(scelto);
}

void FinestraScrittura::provaFrase() {
    inizioAzione();
    if (!compositore.completa()) {
        avvisa(QStringLiteral("Analizza prima tutte le parole, poi prova la frase."), true);
        return;
    }
    const std::vector<std::string> problemi = problemiNuovaFrase(compositore.frase());
    if (!problemi.empty()) {
        avvisa(QStringLiteral("La frase non si può provare: ") +
                   QString::fromStdString(problemi.front()),
               true);
        return;
    }
    auto p = std::make_unique<Prova>();
    if (!p->stato.frasi.aggiungi(compositore.frase())) {
        avvisa(QStringLiteral("La frase ha troppe parole per l'esercizio (al massimo %1): unisci "
                              "quelle che si analizzano insieme.")
                   .arg(Frasi::maxParole - 1),
               true);
        return;
    }
    p->finestra = std::make_unique<FinestraEsercizio>(p->stato, servizi);
    FinestraEsercizio* f = p->finestra.get();
    collegaEsiti(*f, servizi);
    // FINE closes the trial only, never the program.
    f->termina = [f] { f->hide(); };
    f->setWindowTitle(QStringLiteral("Prova della frase"));
    inProva = std::move(p);
    f->show();
    aggiorna();
}

void FinestraScrittura::chiudiProva() {
    if (!inProva) return;
    inProva->finestra->hide();
    inProva.reset();
}

void FinestraScrittura::ascoltaFrase() {
    if (!servizi.voce) {
        avvisa(QStringLiteral("La voce non è disponibile."), true);
        return;
    }
    const std::string frase[] = {testoFrase->text().toStdString()};
    Parlato(servizi.voce).leggi({Parlato::frase(frase)});
}

void FinestraScrittura::nuovaFrase() {
    inizioAzione();
    if (!lasciaAndare(QStringLiteral("La frase non è salvata: con una frase nuova le parole "
                                     "analizzate vanno perse."))) {
        aggiorna();
        return;
    }
    testoFrase->clear();
    compositore.impostaFrase("");
    aggiorna();
    testoFrase->setFocus();
}

QString FinestraScrittura::cercaGuida() {
    const QDir programma(QCoreApplication::applicationDirPath());
    for (const char* dove : {"guida/frasi.md", "../share/aggettivi/guida/frasi.md"})
        if (const QString f = programma.filePath(QString::fromLatin1(dove)); QFileInfo::exists(f))
            return QDir::cleanPath(f);
    return {};
}

void FinestraScrittura::mostraGuida() {
    inizioAzione();
    if (guida.isEmpty() || !QFileInfo(guida).isFile()) {
        avvisa(QStringLiteral("Non trovo la guida per gli insegnanti (frasi.md): manca accanto "
                              "al programma."),
               true);
        return;
    }
    if (!lettoreGuida) {
        lettoreGuida = new QTextBrowser(this);
        lettoreGuida->setWindowFlag(Qt::Window);
        lettoreGuida->setAttribute(Qt::WA_DeleteOnClose);
        lettoreGuida->setObjectName(QStringLiteral("Guida"));
        lettoreGuida->setWindowTitle(QStringLiteral("Guida per gli insegnanti"));
        lettoreGuida->setOpenExternalLinks(true);
        // The pictures are found beside the guide, as its links name them.
        lettoreGuida->setSource(QUrl::fromLocalFile(QFileInfo(guida).absoluteFilePath()),
                                QTextDocument::MarkdownResource);
        lettoreGuida->resize(pixel(10500), pixel(9000));
    }
    lettoreGuida->show();
    lettoreGuida->raise();
    lettoreGuida->activateWindow();
    aggiorna();
}

void FinestraScrittura::closeEvent(QCloseEvent* e) {
    inizioAzione();
    if (!lasciaAndare(QStringLiteral("La frase non è salvata: chiudendo la finestra le parole "
                                     "analizzate vanno perse."))) {
        e->ignore();
        aggiorna();
        return;
    }
    // Nothing of this window outlives it, so that the program ends with it.
    chiudiProva();
    if (lettoreGuida) lettoreGuida->close();
    e->accept();
}

bool FinestraScrittura::eventFilter(QObject* o, QEvent* e) {
    // Esc leaves a text box: the keys answer again.
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape &&
        (o == testoFrase || o == testoEsatto)) {
        setFocus();
        return true;
    }
    return QWidget::eventFilter(o, e);
}

void FinestraScrittura::keyPressEvent(QKeyEvent* e) {
    const int k = e->key();
    if (k >= Qt::Key_1 && k <= Qt::Key_9) {
        const int n = k - Qt::Key_0;
        if (QPushButton* b = risposte.perTasto(n))
            b->click();
        else if (!salta->isHidden() && n == static_cast<int>(risposte.aperti().size()) + 1)
            salta->click();
        return;
    }
    if (k == Qt::Key_Return || k == Qt::Key_Enter) {
        inizioAzione();
        // Enter moves on: past an optional gender, or to the next word to classify.
        if (!salta->isHidden()) {
            salta->click();
        } else if (compositore.numeroGruppi() > 0 && compositore.finito(compositore.corrente())) {
            for (int g = 0; g < compositore.numeroGruppi(); ++g)
                if (!compositore.finito(g)) {
                    compositore.seleziona(g);
                    break;
                }
            aggiorna();
        }
        return;
    }
    QWidget::keyPressEvent(e);
}
