#include "app/caricafrasi.h"
#include "pupil.h"
#include "ui/avvisofrasi.h"
#include "ui/finestra_iniziale.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// Two sentences a teacher wrote, with the trail each adjective must leave.
const char* const fileMaestra = R"(# Le frasi di oggi
frase: La mia cartella è più pesante della tua.
La          | Articolo
mia         | Aggettivo, Determinativo, Possessivo, 1° persona, Femminile, Singolare
cartella    | Nome
è           | Verbo
più pesante | Aggettivo, Qualificativo, Comparativo, di maggioranza, Femminile, Singolare
della       | Preposizione
"tua."      | Pronome

frase: Ho letto tre libri in ogni stanza.
Ho letto    | Verbo
tre         | Aggettivo, Determinativo, Numerale, Cardinale
libri       | Nome
in          | Preposizione
ogni        | aggettivo, determinativo, indefinito
"stanza."   | Nome
)";

using Traccia = std::vector<std::string>;

// Plays sentence `s` of two from start to COMPLETATA, answering from the key;
// returns the trail as it stood after each press.
std::vector<Traccia> gioca(Esercizio& e, int s) {
    e.banco.casuale.prossimaFrase(s, 2);
    e.f->estraiFrase();
    std::vector<Traccia> viste;
    for (int premute = 0; premute < 200 && premiGiusto(e); ++premute) viste.push_back(traccia(e));
    return viste;
}

// Words analysed: each begins with a trail of one answer.
std::size_t parole(const std::vector<Traccia>& viste) {
    return static_cast<std::size_t>(
        std::count_if(viste.begin(), viste.end(), [](const Traccia& t) { return t.size() == 1; }));
}

TEST(FrasiDaFile, APupilPlaysTheTeachersSentences) {
    QTemporaryDir dir;
    const QString nome = dir.filePath(QStringLiteral("oggi.txt"));
    {
        QFile f(nome);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(fileMaestra);
    }
    for (int modo : {1, 0}) {
        SCOPED_TRACE(modo);
        Esercizio e(modo, 3, [&](StatoCorsa& m) {
            const RapportoFrasi r = caricaFrasi(m.frasi, {nome});
            EXPECT_TRUE(r.problemi.isEmpty()) << r.problemi.join('\n').toStdString();
        });
        EXPECT_EQ(e.m.numfrasi, 2);

        const std::vector<Traccia> prima = gioca(e, 0);
        EXPECT_EQ(e.l("Lbmostra", 1)->text(), "La ");
        EXPECT_EQ(e.l("Lbmostra", 5)->text(), "più pesante ");
        EXPECT_EQ(e.l("Lbmostra", 7)->text(), "tua.");
        EXPECT_EQ(e.l("Lbmostra", 8)->text(), "");
        EXPECT_EQ(e.l("gratifica")->text(), "COMPLETATA");
        const Traccia mia = {"Parte variabile", "Aggettivo", "Determinativo", "Possessivo",
                             "1° persona",      "Femminile", "Singolare"};
        const Traccia piuPesante = {"Parte variabile", "Aggettivo", "Qualificativo", "Comparativo",
                                    "di maggioranza",  "Femminile", "Singolare"};
        EXPECT_NE(std::find(prima.begin(), prima.end(), mia), prima.end());
        EXPECT_NE(std::find(prima.begin(), prima.end(), piuPesante), prima.end());
        EXPECT_EQ(parole(prima), modo == 1 ? 2u : 7u);

        ASSERT_TRUE(e.b("VIA")->isVisible());
        const std::vector<Traccia> seconda = gioca(e, 1);
        EXPECT_EQ(e.l("gratifica")->text(), "COMPLETATA");
        // Numeral and invariable indefinite end before gender and number.
        const Traccia tre = {"Parte variabile", "Aggettivo", "Determinativo", "Numerale",
                             "Cardinale"};
        const Traccia ogni = {"Parte variabile", "Aggettivo", "Determinativo", "Indefinito"};
        EXPECT_NE(std::find(seconda.begin(), seconda.end(), tre), seconda.end());
        EXPECT_NE(std::find(seconda.begin(), seconda.end(), ogni), seconda.end());
        EXPECT_EQ(parole(seconda), modo == 1 ? 2u : 6u);
        EXPECT_EQ(e.m.nerrori, 0);
    }
}

struct Avvio {
    explicit Avvio(int scartate, QStringList problemi) {
        f = new FinestraIniziale(m, banco.servizi(), [this] { ++aperture; });
        avviso = new AvvisoFrasi(f, scartate, std::move(problemi));
        f->show();
    }
    ~Avvio() {
        delete f.data();
        if (avviso && avviso->elenco()) delete avviso->elenco();
    }
    StatoCorsa m;
    Banco banco;
    QPointer<FinestraIniziale> f;
    QPointer<AvvisoFrasi> avviso;
    int aperture = 0;
};

TEST(FrasiDaFile, TheStartWindowSaysWhatWasLeftOutAndAClickShowsWhy) {
    const QStringList problemi = {QStringLiteral("a.txt:3: «Nomi» non è una parte del discorso"),
                                  QStringLiteral("b.txt: il file non esiste")};
    Avvio a(3, problemi);
    auto* l = a.f->findChild<QLabel*>(QStringLiteral("AvvisoFrasi"));
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->text(), "Per l'insegnante: 3 frasi non sono state caricate. Clicca qui per "
                         "sapere perché.");
    EXPECT_TRUE(l->isVisible());
    EXPECT_TRUE(a.f->rect().contains(l->geometry()));

    // A click on the notice shows the list and is not the click that starts the drill.
    QTest::mouseClick(l, Qt::LeftButton);
    EXPECT_EQ(a.aperture, 0);
    EXPECT_TRUE(a.f->isVisible());
    QPointer<QWidget> elenco = a.avviso->elenco();
    ASSERT_TRUE(elenco);
    EXPECT_TRUE(elenco->isVisible());
    EXPECT_EQ(elenco->findChild<QPlainTextEdit*>(QStringLiteral("ElencoProblemi"))->toPlainText(),
              problemi.join('\n'));
    QTest::mouseClick(l, Qt::LeftButton); // the same list, not a second one
    EXPECT_EQ(a.avviso->elenco(), elenco.data());

    // The ten seconds run on; the list outlives the start window.
    auto* timer = a.f->findChild<QTimer*>(QStringLiteral("Timer1"));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 10000);
    a.f->apriPerTempo();
    EXPECT_EQ(a.aperture, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(a.f);
    ASSERT_TRUE(elenco);
    QTest::mouseClick(elenco->findChild<QPushButton*>(QStringLiteral("Chiudi")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(elenco);
}

TEST(FrasiDaFile, TheOtherWaysOutStayAsTheyWere) {
    {
        Avvio a(1, {QStringLiteral("x")});
        EXPECT_EQ(a.avviso->text(),
                  "Per l'insegnante: 1 frase non è stata caricata. Clicca qui per sapere perché.");
        QTest::mouseClick(a.f.data(), Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(a.aperture, 1);
        EXPECT_FALSE(a.m.modo.has_value());
    }
    {
        Avvio a(0, {QStringLiteral("x.txt: il file non esiste")});
        EXPECT_EQ(a.avviso->text(),
                  "Per l'insegnante: ci sono avvisi sui file di frasi. Clicca qui per leggerli.");
        QTest::mouseClick(bottone(*a.f, "Command2"), Qt::LeftButton);
        EXPECT_TRUE(a.m.modo == Modo::soloAggettivi);
        EXPECT_EQ(a.aperture, 1);
    }
}

} // namespace
