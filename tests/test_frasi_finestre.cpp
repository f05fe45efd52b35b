#include "app/caricafrasi.h"
#include "app/frasi_corsa.h"
#include "pupil.h"
#include "ui/avvisofrasi.h"
#include "ui/finestra_iniziale.h"

#include <QFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>

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
    explicit Avvio(int scartate = 0, QStringList problemi = {}) {
        f = new FinestraIniziale(m, banco.servizi(), [this] { ++aperture; });
        f->mostraFrasi({QStringLiteral("30 frasi incluse"), scartate, std::move(problemi)});
        avviso = f->findChild<AvvisoFrasi*>(QStringLiteral("AvvisoFrasi"));
        f->show();
    }
    ~Avvio() {
        if (avviso && avviso->elenco()) delete avviso->elenco();
        delete f.data();
    }
    QTimer* timer() { return f->findChild<QTimer*>(QStringLiteral("Timer1")); }
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
    auto* testo = elenco->findChild<QPlainTextEdit*>(QStringLiteral("ElencoProblemi"));
    EXPECT_EQ(testo->toPlainText(), problemi.join('\n'));
    EXPECT_EQ(testo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(testo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(elenco->screen()->availableGeometry().contains(elenco->geometry()));
    QTest::mouseClick(l, Qt::LeftButton); // the same list, not a second one
    EXPECT_EQ(a.avviso->elenco(), elenco.data());

    // The ten seconds wait while the teacher reads, and start afresh after.
    EXPECT_FALSE(a.timer()->isActive());
    QTest::mouseClick(elenco->findChild<QPushButton*>(QStringLiteral("Chiudi")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(elenco);
    EXPECT_TRUE(a.timer()->isActive());
    EXPECT_EQ(a.timer()->remainingTime() > 9000, true);

    // The list outlives the start window: the pupil may go on meanwhile.
    QTest::mouseClick(l, Qt::LeftButton);
    elenco = a.avviso->elenco();
    QTest::mouseClick(bottone(*a.f, "Command1"), Qt::LeftButton);
    EXPECT_EQ(a.aperture, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(a.f);
    ASSERT_TRUE(elenco);
    elenco->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(elenco);
}

TEST(FrasiDaFile, TheProblemsListIsCentredInsideEveryScreen) {
    for (const QRect schermo : {QRect(0, 0, 640, 480), QRect(0, 0, 800, 600),
                                QRect(1920, 0, 1920, 1040), QRect(0, 0, 2560, 1440)}) {
        const QRect r = AvvisoFrasi::postoElenco(schermo);
        // With a frame of 8 px a side and a 32 px title bar around it.
        EXPECT_TRUE(schermo.contains(r.marginsAdded({8, 32, 8, 8}))) << schermo.width();
        EXPECT_LE(std::abs(r.center().x() - schermo.center().x()), 1) << schermo.width();
        EXPECT_GE(r.width(), std::min(480, schermo.width() - 16)) << schermo.width();
        EXPECT_GE(r.height(), 300) << schermo.width();
    }
}

// What a teacher sees at the foot of the start window, against its blue.
double contrasto(const QColor& a, const QColor& b) {
    auto luce = [](const QColor& c) {
        auto lin = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    const double x = luce(a), y = luce(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

TEST(FrasiDaFile, TheTeachersLinesScaleWithTheWindowAndStandOutEnough) {
    Avvio a(1, {QStringLiteral("x")});
    const QColor blu = a.f->palette().color(QPalette::Window);
    auto* inUso = etichetta(*a.f, "FrasiInUso");
    for (QLabel* l : {inUso, static_cast<QLabel*>(a.avviso.data())}) {
        EXPECT_GE(contrasto(l->palette().color(QPalette::WindowText), blu), 4.5)
            << l->objectName().toStdString();
        EXPECT_EQ(l->font().family(), etichetta(*a.f, "Label5")->font().family());
    }
    a.f->resize(792, 569);
    const double piccolo = a.avviso->font().pointSizeF();
    const QRect prima = a.avviso->geometry();
    a.f->resize(1584, 1138);
    EXPECT_DOUBLE_EQ(a.avviso->font().pointSizeF(), 2 * piccolo);
    EXPECT_NEAR(a.avviso->geometry().top(), 2 * prima.top(), 2);
    for (QWidget* w : {static_cast<QWidget*>(inUso), static_cast<QWidget*>(a.avviso.data()),
                       static_cast<QWidget*>(bottone(*a.f, "AltreFrasi"))})
        EXPECT_TRUE(a.f->rect().contains(w->geometry())) << w->objectName().toStdString();
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

// The teacher's files, chosen in the dialog or dropped on the window: the run
// then uses exactly their sentences.
TEST(FrasiDaFile, FilesChosenOnTheStartWindowAreExactlyWhatTheRunUses) {
    QTemporaryDir dir;
    auto salva = [&](const char* nome, const QByteArray& dati) {
        const QString n = dir.filePath(QString::fromLatin1(nome));
        QFile f(n);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(dati);
        return n;
    };
    const QString oggi = salva("2B-gennaio.txt", fileMaestra);
    const QString rotto = salva("rotto.txt", "frase\ncane | Nomi\n");
    for (bool trascinati : {false, true}) {
        SCOPED_TRACE(trascinati);
        Avvio a;
        FrasiCorsa frasi(a.m.frasi, {}, {});
        frasi.collega(*a.f);
        EXPECT_EQ(etichetta(*a.f, "FrasiInUso")->text(), rigaInUso(frasi.rapporto()));
        if (trascinati) {
            QMimeData dati;
            dati.setUrls({QUrl::fromLocalFile(oggi), QUrl::fromLocalFile(rotto)});
            QDragEnterEvent entra({10, 10}, Qt::CopyAction, &dati, Qt::LeftButton, {});
            QApplication::sendEvent(a.f.data(), &entra);
            EXPECT_TRUE(entra.isAccepted());
            EXPECT_FALSE(a.timer()->isActive());
            QDropEvent lascia({10, 10}, Qt::CopyAction, &dati, Qt::LeftButton, {});
            QApplication::sendEvent(a.f.data(), &lascia);
        } else {
            int chieste = 0;
            a.f->chiediFile = [&](QWidget*) {
                ++chieste;
                EXPECT_FALSE(a.timer()->isActive()); // the teacher takes her time
                return QStringList{oggi, rotto};
            };
            QTest::mouseClick(bottone(*a.f, "AltreFrasi"), Qt::LeftButton);
            EXPECT_EQ(chieste, 1);
            EXPECT_EQ(a.aperture, 0);
        }
        EXPECT_TRUE(a.timer()->isActive());
        EXPECT_EQ(a.m.frasi.numeroFrasi(), 2);
        EXPECT_EQ(etichetta(*a.f, "FrasiInUso")->text(), "2 frasi da 2B-gennaio.txt");
        ASSERT_TRUE(a.avviso = a.f->findChild<AvvisoFrasi*>(QStringLiteral("AvvisoFrasi")));
        EXPECT_TRUE(a.avviso->isVisible());
        EXPECT_EQ(a.avviso->text(), AvvisoFrasi::testoAvviso(1));

        QTest::mouseClick(bottone(*a.f, "Command2"), Qt::LeftButton);
        frasi.concludi();
        EXPECT_EQ(a.aperture, 1);
        Esercizio e(1, 3, [&](StatoCorsa& m) { m.frasi = a.m.frasi; });
        EXPECT_EQ(e.m.numfrasi, 2);
        gioca(e, 0);
        EXPECT_EQ(e.l("Lbmostra", 5)->text(), "più pesante ");
    }
}

} // namespace
