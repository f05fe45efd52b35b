#include "pupil.h"

#include "app/salvafrasi.h"
#include "core/formato.h"
#include "core/incorporate.h"
#include "ui/finestra_scrittura.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <deque>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Scrittura {
    explicit Scrittura(const QString& file = QString()) {
        f = std::make_unique<FinestraScrittura>(
            file.isEmpty() ? dir.filePath(QStringLiteral("mie.txt")) : file, banco.servizi(),
            archivio);
        f->show();
    }
    QPushButton* b(const QString& nome) { return bottone(*f, nome); }
    QPushButton* b(const char* array, int i) { return bottone(*f, elemento(array, i)); }
    QLineEdit* campo(const char* nome) {
        return f->findChild<QLineEdit*>(QString::fromLatin1(nome));
    }
    void scrivi(const std::string& frase) {
        campo("testoFrase")->setText(QString::fromStdString(frase));
        QTest::keyClick(campo("testoFrase"), Qt::Key_Return);
    }
    QString messaggio() { return etichetta(*f, QStringLiteral("messaggio"))->text(); }
    // The next questions about unsaved work get these answers, in turn.
    void rispondi(std::initializer_list<const char*> r) {
        risposte.insert(risposte.end(), r);
        banco.modale.risposta = [this](QDialog& d) {
            ASSERT_FALSE(risposte.empty()) << "an unexpected question";
            d.findChild<QPushButton*>(QString::fromLatin1(risposte.front()))->click();
            risposte.pop_front();
        };
    }
    int domande() const { return banco.modale.volte; }
    // A key as the keyboard sends it: to the widget with the focus.
    void tasto(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QWidget* a = QApplication::focusWidget();
        QTest::keyClick(a ? a : f.get(), static_cast<Qt::Key>(k), m);
    }
    QByteArray contenuto() {
        QFile file(f->file());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    std::vector<std::string> traccia() {
        std::vector<std::string> t;
        for (int i = 1; i <= 10; ++i)
            if (etichetta(*f, elemento("display", i))->isVisible())
                t.push_back(etichetta(*f, elemento("display", i))->text().toStdString());
        return t;
    }

    QTemporaryDir dir;
    Banco banco;
    ArchivioFile archivio;
    std::deque<const char*> risposte;
    std::unique_ptr<FinestraScrittura> f;
};

// The array name of the open question's buttons, as the teacher sees them.
QString aperta(Scrittura& s) {
    for (const ColonnaAttesa& c : colonneDelleDomande) {
        const std::string nome(c.array);
        for (int i = 1; i <= 9; ++i)
            if (QPushButton* b = s.b(nome.c_str(), i); b && b->isVisible())
                return QString::fromStdString(nome);
    }
    return {};
}

// Classifies the red group from its key, by clicks only.
void classifica(Scrittura& s, const Chiave& k) {
    QTest::mouseClick(s.b(k[0] < 6 ? "Com10" : "Com11"), Qt::LeftButton);
    for (int passi = 0; passi < 12; ++passi) {
        const QString a = aperta(s);
        if (a.isEmpty()) return; // the group is done
        const int risposta = k[static_cast<std::size_t>(colonnaDellaDomanda(a) - 1)];
        if (risposta == 0 && s.b("salta")->isVisible()) {
            QTest::mouseClick(s.b("salta"), Qt::LeftButton);
            return;
        }
        QPushButton* b = s.b(a.toLatin1().constData(), risposta);
        ASSERT_TRUE(b && b->isVisible()) << a.toStdString() << " " << risposta;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    ADD_FAILURE() << "the group never ends";
}

// The blocks of the built-in file, one per sentence, without the blank cells
// after the last word (a detail of the built-in bank, not written by hand).
std::vector<std::string> blocchiIncorporati() {
    std::vector<std::string> blocchi;
    std::istringstream in{std::string(testoFrasiIncorporate())};
    for (std::string riga; std::getline(in, riga);) {
        if (riga.rfind("frase:", 0) == 0) blocchi.emplace_back();
        if (blocchi.empty() || riga.empty() || riga[0] == '#') continue;
        if (riga.find("| riempitivo") != std::string::npos) continue;
        blocchi.back() += riga + '\n';
    }
    return blocchi;
}

TEST(FinestraScrittura, EveryBuiltInSentenceWrittenByClicksIsTheTextTheDrillExports) {
    const auto blocchi = blocchiIncorporati();
    const auto& frasi = frasiIncorporate();
    ASSERT_EQ(blocchi.size(), frasi.size());
    for (std::size_t s = 0; s < frasi.size(); ++s) {
        std::vector<Parola> celle;
        for (const Parola& p : frasi[s].parole)
            if (p.chiave[0] != 0) celle.push_back(p);
        // Word by word, as a teacher writes a sentence of more than 22 words:
        // a part typed and joined, then the rest added and cut again.
        Scrittura w;
        std::string detta;
        for (std::size_t g = 0; g < celle.size(); ++g) {
            const int i = static_cast<int>(g) + 1;
            detta += celle[g].testo + ' ';
            w.scrivi(detta);
            Compositore solo;
            solo.impostaFrase(celle[g].testo);
            QTest::mouseClick(w.b("gruppo", i), Qt::LeftButton);
            for (int k = 1; k < solo.numeroGruppi(); ++k)
                QTest::mouseClick(w.b("unisci"), Qt::LeftButton);
            if (w.f->frase().testo(static_cast<int>(g)) != celle[g].testo) {
                QTest::mouseClick(w.b("gruppo", i), Qt::LeftButton);
                w.campo("testoEsatto")->setText(QString::fromStdString(celle[g].testo));
                emit w.campo("testoEsatto")->editingFinished();
            }
        }
        ASSERT_EQ(w.f->frase().numeroGruppi(), static_cast<int>(celle.size())) << s;
        QTest::mouseClick(w.b("gruppo", 1), Qt::LeftButton); // from the first word on
        for (const Parola& p : celle) classifica(w, p.chiave);
        ASSERT_TRUE(w.f->frase().completa()) << s;
        ASSERT_TRUE(w.f->salvaFrase()) << s << " " << w.messaggio().toStdString();
        EXPECT_EQ(w.contenuto().toStdString(), blocchi[s]) << "sentence " << s;
    }
}

TEST(FinestraScrittura, JoiningSplittingSteppingBackAndReopening) {
    Scrittura w;
    w.scrivi("Il Monte Rosa è alto.");
    EXPECT_EQ(w.b("gruppo", 5)->text(), "alto. ");
    EXPECT_FALSE(w.b("gruppo", 6)->isVisible());
    QTest::mouseClick(w.b("gruppo", 2), Qt::LeftButton);
    QTest::mouseClick(w.b("unisci"), Qt::LeftButton);
    EXPECT_EQ(w.b("gruppo", 2)->text(), "Monte Rosa ");
    EXPECT_FALSE(w.b("gruppo", 5)->isVisible());
    QTest::mouseClick(w.b("gruppo", 2), Qt::LeftButton);
    QTest::mouseClick(w.b("separa"), Qt::LeftButton);
    EXPECT_EQ(w.b("gruppo", 3)->text(), "Rosa ");
    QTest::mouseClick(w.b("gruppo", 2), Qt::LeftButton);
    QTest::mouseClick(w.b("unisci"), Qt::LeftButton);
    QTest::mouseClick(w.b("unisci"), Qt::LeftButton); // a third word: the selection stayed
    EXPECT_EQ(w.b("gruppo", 2)->text(), "Monte Rosa è ");
    QTest::mouseClick(w.b("separa"), Qt::LeftButton);
    QTest::mouseClick(w.b("unisci"), Qt::LeftButton);
    EXPECT_EQ(w.b("gruppo", 2)->text(), "Monte Rosa ");

    // A step back at each kind of question: the first, the part of speech,
    // an adjective's, and an optional gender.
    QTest::mouseClick(w.b("gruppo", 1), Qt::LeftButton);
    classifica(w, Chiave{1});
    EXPECT_EQ(w.f->frase().corrente(), 1);
    QTest::mouseClick(w.b("indietro"), Qt::LeftButton);
    EXPECT_EQ(w.f->frase().corrente(), 0);
    EXPECT_EQ(aperta(w), "Com");
    EXPECT_EQ(w.traccia(), (std::vector<std::string>{"Parte variabile"}));
    QTest::mouseClick(w.b("indietro"), Qt::LeftButton);
    EXPECT_TRUE(w.b("Com10")->isVisible());
    EXPECT_TRUE(w.traccia().empty());
    classifica(w, Chiave{1});
    classifica(w, Chiave{2});
    classifica(w, Chiave{5});
    QTest::mouseClick(w.b("Com10"), Qt::LeftButton);
    QTest::mouseClick(w.b("Com", 3), Qt::LeftButton);
    QTest::mouseClick(w.b("art", 1), Qt::LeftButton);
    EXPECT_EQ(aperta(w), "pcf");
    QTest::mouseClick(w.b("indietro"), Qt::LeftButton);
    EXPECT_EQ(aperta(w), "art");
    QTest::mouseClick(w.b("art", 2), Qt::LeftButton);
    QTest::mouseClick(w.b("det", 3), Qt::LeftButton); // indefinite: the gender may be left out
    EXPECT_TRUE(w.b("salta")->isVisible());
    QTest::mouseClick(w.b("Masfem", 1), Qt::LeftButton);
    EXPECT_FALSE(w.b("salta")->isVisible());
    QTest::mouseClick(w.b("indietro"), Qt::LeftButton);
    EXPECT_TRUE(w.b("salta")->isVisible());
    QTest::mouseClick(w.b("indietro"), Qt::LeftButton);
    QTest::mouseClick(w.b("indietro"), Qt::LeftButton);
    classifica(w, Chiave{3, 1, 1, 0, 0, 0, 0, 0, 1, 1});
    EXPECT_TRUE(w.f->frase().completa());
    EXPECT_TRUE(aperta(w).isEmpty());

    // Reopening a finished group classifies it again from the start.
    QTest::mouseClick(w.b("gruppo", 2), Qt::LeftButton);
    EXPECT_TRUE(w.b("riapri")->isVisible());
    QTest::mouseClick(w.b("riapri"), Qt::LeftButton);
    EXPECT_TRUE(w.b("Com10")->isVisible());
    EXPECT_FALSE(w.f->frase().completa());
    classifica(w, Chiave{2});
    EXPECT_TRUE(w.f->frase().completa());
    EXPECT_EQ(w.f->frase().chiave(1), (Chiave{2}));
}

TEST(FinestraScrittura, KeysAnswerAsInTheDrillAndEnterMovesOn) {
    Scrittura w;
    w.scrivi("due gatti");
    w.f->setFocus();
    QTest::keyClick(w.f.get(), Qt::Key_1); // PARTE VARIABILE
    QTest::keyClick(w.f.get(), Qt::Key_3); // Aggettivo
    QTest::keyClick(w.f.get(), Qt::Key_2); // Determinativo
    QTest::keyClick(w.f.get(), Qt::Key_4); // Numerale
    QTest::keyClick(w.f.get(), Qt::Key_1); // Cardinale
    EXPECT_TRUE(w.b("salta")->isVisible());
    QTest::keyClick(w.f.get(), Qt::Key_Return); // no gender for "due"
    EXPECT_EQ(w.f->frase().corrente(), 1);
    EXPECT_EQ(w.f->frase().chiave(0), (Chiave{3, 2, 0, 4, 0, 0, 0, 1, 0, 0}));
    QTest::keyClick(w.f.get(), Qt::Key_1);
    QTest::keyClick(w.f.get(), Qt::Key_2); // Nome
    EXPECT_TRUE(w.f->frase().completa());
}

TEST(FinestraScrittura, OnlySentencesTheDrillAcceptsAreSavedAndNothingIsLost) {
    Scrittura w;
    w.scrivi("Il cane corre.");
    EXPECT_FALSE(w.f->salvaFrase()); // not classified yet
    EXPECT_TRUE(w.messaggio().contains(QStringLiteral("Analizza")));
    classifica(w, Chiave{1});
    classifica(w, Chiave{2});
    classifica(w, Chiave{5});
    EXPECT_FALSE(w.f->salvaFrase()); // no adjective: "solo aggettivi" would have nothing to ask
    EXPECT_TRUE(w.messaggio().contains(QStringLiteral("aggettiv")));
    EXPECT_FALSE(QFile::exists(w.f->file()));

    // An existing file keeps every byte of what it had.
    const QByteArray prima = "# le mie frasi\r\nfrase: x\r\nbuono | Aggettivo, Sostantivato, "
                             "Maschile, Singolare";
    {
        QFile file(w.f->file());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(prima);
    }
    w.scrivi("Il cane nero corre."); // the three words already done keep their answers
    classifica(w, Chiave{3, 1, 1, 0, 0, 0, 0, 0, 1, 1});
    struct stat inodePrima {};
    ASSERT_EQ(stat(QFile::encodeName(w.f->file()).constData(), &inodePrima), 0);
    ASSERT_TRUE(w.f->salvaFrase()) << w.messaggio().toStdString();
    // A new file renamed over the old one, never the old one rewritten in place:
    // a crash or a kill during the save leaves the old file whole.
    struct stat nuovo {};
    ASSERT_EQ(stat(QFile::encodeName(w.f->file()).constData(), &nuovo), 0);
    EXPECT_NE(nuovo.st_ino, inodePrima.st_ino);
    EXPECT_EQ(QDir(w.dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("mie.txt")}); // no temporary file left behind
    const QByteArray dopo = w.contenuto();
    EXPECT_TRUE(dopo.startsWith(prima));
    const Lettura l = leggiFrasi(dopo.toStdString());
    EXPECT_EQ(l.totaleProblemi(), 0);
    ASSERT_EQ(l.frasi.size(), 2u);
    EXPECT_EQ(l.frasi[1].parole[2].testo, "nero ");

    // A place that cannot be written: the message names the file, nothing changes.
    for (const QString& dove :
         {QStringLiteral("/proc/version"), w.f->file() + QStringLiteral("/dentro/un/file.txt")}) {
        QFile vecchio(dove);
        const QByteArray prima2 = vecchio.open(QIODevice::ReadOnly) ? vecchio.readAll() : "";
        vecchio.close();
        Scrittura r(dove);
        r.scrivi("Il cane nero corre.");
        classifica(r, Chiave{1});
        classifica(r, Chiave{2});
        classifica(r, Chiave{3, 1, 1, 0, 0, 0, 0, 0, 1, 1});
        classifica(r, Chiave{5});
        EXPECT_FALSE(r.f->salvaFrase());
        EXPECT_TRUE(r.messaggio().contains(dove)) << r.messaggio().toStdString();
        EXPECT_TRUE(r.messaggio().contains(QStringLiteral("Non riesco a salvare")));
        QFile dopo2(dove);
        EXPECT_EQ(dopo2.open(QIODevice::ReadOnly) ? dopo2.readAll() : "", prima2);
    }
    if (geteuid() != 0) { // a read-only folder stops everyone but root
        QTemporaryDir chiusa;
        const QString file = chiusa.filePath(QStringLiteral("f.txt"));
        QFile(file).open(QIODevice::WriteOnly);
        QFile::setPermissions(chiusa.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        Scrittura r(file);
        r.scrivi("buono");
        classifica(r, Chiave{3, 3, 0, 0, 0, 0, 0, 0, 1, 1});
        EXPECT_FALSE(r.f->salvaFrase());
        QFile::setPermissions(chiusa.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner);
    }
}

TEST(FinestraScrittura, AscoltaReadsTheTypedSentenceOrSaysThereIsNoVoice) {
    for (bool voce : {true, false}) {
        Banco banco;
        banco.conVoce = voce;
        ArchivioFile archivio;
        FinestraScrittura f(QStringLiteral("/nonexistent/x.txt"), banco.servizi(), archivio);
        f.findChild<QLineEdit*>(QStringLiteral("testoFrase"))
            ->setText(QStringLiteral("Il   cane nero corre."));
        bottone(f, QStringLiteral("ascolta"))->click();
        if (voce)
            EXPECT_EQ(banco.voce.letture,
                      std::vector<std::vector<std::string>>{{"Il cane nero corre."}});
        else
            EXPECT_EQ(etichetta(f, QStringLiteral("messaggio"))->text(),
                      "La voce non è disponibile.");
    }
}

TEST(FinestraScrittura, ProvaPlaysTheNewSentenceInAWindowOfItsOwn) {
    Scrittura w;
    w.scrivi("Il cane nero corre.");
    w.f->provaFrase();
    EXPECT_EQ(w.f->prova(), nullptr); // not classified yet
    classifica(w, Chiave{1});
    classifica(w, Chiave{2});
    classifica(w, Chiave{3, 1, 1, 0, 0, 0, 0, 0, 1, 1});
    classifica(w, Chiave{5});
    w.f->provaFrase();
    FinestraEsercizio* prova = w.f->prova();
    ASSERT_NE(prova, nullptr);
    EXPECT_TRUE(prova->isVisible());
    QTest::mouseClick(bottone(*prova, QStringLiteral("VIA")), Qt::LeftButton);
    EXPECT_EQ(etichetta(*prova, elemento("Lbmostra", 3))->text(), "nero ");
    EXPECT_EQ(etichetta(*prova, elemento("Lbmostra", 4))->text(), "corre. ");
    QTest::mouseClick(bottone(*prova, QStringLiteral("FINE")), Qt::LeftButton);
    EXPECT_FALSE(prova->isVisible());
    EXPECT_TRUE(w.f->isVisible());            // the writing goes on
    EXPECT_FALSE(QFile::exists(w.f->file())); // trying saves nothing
}

// A teacher's session: a sentence too long, a typo fixed after the analysis,
// tries to leave without saving, and the save through the question.
TEST(FinestraScrittura, ATeacherFixesATypoAndLosesNothingWithoutAnswering) {
    Scrittura w;
    w.scrivi("Il cane nero corre.");
    std::string lunga;
    for (int i = 0; i < 23; ++i) lunga += "uno ";
    w.scrivi(lunga);
    EXPECT_TRUE(w.messaggio().contains(QStringLiteral("al massimo 22")))
        << w.messaggio().toStdString();
    EXPECT_EQ(w.f->frase().numeroGruppi(), 4); // the sentence before is still there

    w.scrivi("Il cane nerro corre.");
    classifica(w, Chiave{1});
    classifica(w, Chiave{2});
    classifica(w, Chiave{3, 1, 1, 0, 0, 0, 0, 0, 1, 1});
    classifica(w, Chiave{5});
    EXPECT_TRUE(w.messaggio().contains(QStringLiteral("Salva o Prova")));
    w.rispondi({"rispostaAnnulla", "rispostaNonSalvare"});
    w.scrivi("Il cane nero corre.");
    EXPECT_EQ(w.domande(), 1);
    EXPECT_EQ(w.f->frase().testo(2), "nerro ");
    EXPECT_TRUE(w.f->frase().completa());
    w.scrivi("Il cane nero corre.");
    EXPECT_EQ(w.domande(), 2);
    EXPECT_EQ(w.b("gruppo", 3)->text(), "nero ");
    EXPECT_EQ(w.f->frase().analizzati(), 3); // only the word changed is to do again
    EXPECT_EQ(w.f->frase().corrente(), 2);
    EXPECT_FALSE(w.messaggio().contains(QStringLiteral("Salva o Prova")));
    classifica(w, Chiave{3, 1, 1, 0, 0, 0, 0, 0, 1, 1});

    w.rispondi({"rispostaAnnulla", "rispostaAnnulla"});
    QTest::mouseClick(w.b("nuova"), Qt::LeftButton);
    EXPECT_FALSE(w.f->close());
    EXPECT_EQ(w.domande(), 4);
    EXPECT_TRUE(w.f->isVisible());
    EXPECT_TRUE(w.f->frase().completa());
    EXPECT_FALSE(QFile::exists(w.f->file()));
    w.rispondi({"rispostaSalva"});
    EXPECT_TRUE(w.f->close());
    EXPECT_EQ(w.domande(), 5);
    const Lettura l = leggiFrasi(w.contenuto().toStdString());
    EXPECT_EQ(l.totaleProblemi(), 0);
    ASSERT_EQ(l.frasi.size(), 1u);
    EXPECT_EQ(l.frasi[0].parole[2].testo, "nero ");

    // Saved: a new sentence or closing asks nothing.
    Scrittura s(w.f->file());
    s.scrivi("buono");
    classifica(s, Chiave{3, 3, 0, 0, 0, 0, 0, 0, 1, 1});
    EXPECT_TRUE(s.f->salvaFrase());
    EXPECT_FALSE(s.messaggio().contains(QStringLiteral("Salva o Prova")));
    QTest::mouseClick(s.b("nuova"), Qt::LeftButton);
    EXPECT_EQ(s.f->frase().numeroGruppi(), 0);
    EXPECT_EQ(s.domande(), 0);
}

TEST(FinestraScrittura, DigitsAnswerUnlessATextBoxHasTheFocusAndEscOrInvioGiveThemBack) {
    Scrittura w;
    w.f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.f.get()));
    QLineEdit* frase = w.campo("testoFrase");
    QLineEdit* esatto = w.campo("testoEsatto");
    QTest::mouseClick(frase, Qt::LeftButton);
    QTest::keyClicks(frase, QStringLiteral("Il gatto sta fermo."));
    w.tasto(Qt::Key_Return); // cut, and the keys answer
    w.tasto(Qt::Key_1);
    w.tasto(Qt::Key_1);
    EXPECT_TRUE(w.f->frase().finito(0));
    EXPECT_EQ(frase->text(), QStringLiteral("Il gatto sta fermo."));

    // In a text box a digit is text; Esc gives the keys back.
    w.tasto(Qt::Key_Tab);
    QTest::mouseClick(frase, Qt::LeftButton);
    w.tasto(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), esatto);
    w.tasto(Qt::Key_2); // Tab selected the box's text: the digit replaces it
    EXPECT_EQ(esatto->text(), QStringLiteral("2"));
    EXPECT_FALSE(w.f->frase().finito(1));
    w.tasto(Qt::Key_Escape);
    EXPECT_NE(QApplication::focusWidget(), esatto);
    EXPECT_EQ(w.f->frase().testo(1), "2"); // left, so applied
    QTest::mouseClick(esatto, Qt::LeftButton);
    esatto->selectAll();
    QTest::keyClicks(esatto, QStringLiteral("gatto  "));
    w.tasto(Qt::Key_Return); // applied, and the keys back
    EXPECT_EQ(w.f->frase().testo(1), "gatto  ");
    w.tasto(Qt::Key_1);
    w.tasto(Qt::Key_2);
    EXPECT_TRUE(w.f->frase().finito(1));

    // Typed, then a click on another word: what the box shows is the word's.
    QTest::mouseClick(esatto, Qt::LeftButton);
    esatto->selectAll();
    QTest::keyClicks(esatto, QStringLiteral(" sta "));
    QTest::mouseClick(w.b("gruppo", 4), Qt::LeftButton);
    EXPECT_EQ(w.f->frase().testo(2), " sta ");
    EXPECT_EQ(w.b("gruppo", 3)->text(), QStringLiteral(" sta "));
    for (int k : {Qt::Key_1, Qt::Key_3, Qt::Key_1, Qt::Key_1, Qt::Key_1, Qt::Key_1}) w.tasto(k);
    QTest::mouseClick(w.b("gruppo", 3), Qt::LeftButton);
    EXPECT_EQ(esatto->text(), QStringLiteral(" sta "));
    w.tasto(Qt::Key_1);
    w.tasto(Qt::Key_5);
    ASSERT_TRUE(w.f->frase().completa());

    // Ctrl+S saves, wherever the focus is.
    QTest::mouseClick(frase, Qt::LeftButton);
    w.tasto(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(w.contenuto().contains("\" sta \"")) << w.messaggio().toStdString();
}

// Prova, the writing window brought forward and closed: the trial goes with
// it, and no hidden window keeps the program running.
TEST(FinestraScrittura, ClosingTheWritingWindowLeavesNoWindowBehind) {
    Scrittura w;
    w.scrivi("buono");
    classifica(w, Chiave{3, 3, 0, 0, 0, 0, 0, 0, 1, 1});
    w.f->provaFrase();
    ASSERT_NE(w.f->prova(), nullptr);
    w.f->activateWindow();
    w.rispondi({"rispostaNonSalvare"});
    EXPECT_TRUE(w.f->close());
    EXPECT_EQ(w.f->prova(), nullptr);
    for (QWidget* t : QApplication::topLevelWidgets())
        EXPECT_FALSE(t->isVisible()) << t->objectName().toStdString();
    EXPECT_FALSE(QFile::exists(w.f->file()));
}

TEST(FinestraScrittura, GuidaShowsTheTeachersGuideWithItsPictures) {
    Scrittura w;
    ASSERT_FALSE(w.f->guida.isEmpty()); // beside the test programs, as beside the program
    QTest::mouseClick(w.b("guida"), Qt::LeftButton);
    QTextBrowser* g = w.f->finestraGuida();
    ASSERT_NE(g, nullptr);
    EXPECT_TRUE(g->isVisible());
    EXPECT_TRUE(g->toPlainText().contains(QStringLiteral("frase:")));
    int figure = 0;
    QTextDocument* doc = g->document();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        for (auto i = b.begin(); !i.atEnd(); ++i)
            if (const QTextCharFormat c = i.fragment().charFormat(); c.isImageFormat()) {
                ++figure;
                const QString nome = c.toImageFormat().name();
                const QVariant r = doc->resource(QTextDocument::ImageResource, QUrl(nome));
                QImage img = r.value<QImage>();
                if (img.isNull()) img.loadFromData(r.toByteArray());
                EXPECT_FALSE(img.isNull()) << nome.toStdString();
            }
    EXPECT_GT(figure, 0);

    Scrittura senza;
    senza.f->guida = senza.dir.filePath(QStringLiteral("frasi.md"));
    QTest::mouseClick(senza.b("guida"), Qt::LeftButton);
    EXPECT_EQ(senza.f->finestraGuida(), nullptr);
    EXPECT_TRUE(senza.messaggio().contains(QStringLiteral("guida")))
        << senza.messaggio().toStdString();
}

// Saved twice, then somewhere else: the second save of the same sentence is
// refused, "Salva in…" writes where the teacher chose, with the same checks.
TEST(FinestraScrittura, TheSameSentenceIsSavedOnceAndSalvaInWritesWhereChosen) {
    Scrittura w;
    w.scrivi("buono");
    classifica(w, Chiave{3, 3, 0, 0, 0, 0, 0, 0, 1, 1});
    ASSERT_TRUE(w.f->salvaFrase()) << w.messaggio().toStdString();
    EXPECT_FALSE(w.f->salvaFrase());
    EXPECT_TRUE(w.messaggio().contains(QStringLiteral("è già nel file")))
        << w.messaggio().toStdString();
    EXPECT_EQ(leggiFrasi(w.contenuto().toStdString()).frasi.size(), 1u);

    const QString altro = w.dir.filePath(QStringLiteral("chiavetta.txt"));
    w.banco.modale.risposta = [&](QDialog& d) {
        auto& scelta = static_cast<QFileDialog&>(d);
        EXPECT_EQ(scelta.objectName(), QStringLiteral("sceltaFile"));
        scelta.selectFile(altro);
        d.accept(); // QFileDialog::accept, through the public door
    };
    QTest::mouseClick(w.b("salvaIn"), Qt::LeftButton);
    EXPECT_EQ(w.domande(), 1);
    QFile f(altro);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << w.messaggio().toStdString();
    EXPECT_EQ(leggiFrasi(f.readAll().toStdString()).frasi.size(), 1u);
    EXPECT_TRUE(w.messaggio().contains(
        QStringLiteral("aggettivi --frasi"))); // not a folder the drill reads
    // A sentence that cannot be saved asks for no file.
    w.scrivi("buono cane");
    QTest::mouseClick(w.b("salvaIn"), Qt::LeftButton);
    EXPECT_EQ(w.domande(), 1);
}

} // namespace
