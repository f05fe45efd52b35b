#include "pupil.h"

#include "qt/servizi_qt.h"
#include "ui/registro_errori.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

const QColor rosso(255, 0, 0);
const QColor verdeScuro(0, 64, 0);

QColor coloreTesto(QLabel* l) {
    return l->palette().color(QPalette::WindowText);
}
QColor sfondo(QWidget* w) {
    return w->palette().color(QPalette::Window);
}

TEST(FinestraEsercizio, WaitsForVIAAfterLoading) {
    Esercizio e;
    EXPECT_EQ(e.l("AVVISO")->text(), "Clicca sul tasto VIA per partire");
    EXPECT_TRUE(e.b("VIA")->isVisible());
    EXPECT_TRUE(e.b("Com10")->isVisible());
    EXPECT_FALSE(e.b("Com10")->isEnabled());
    EXPECT_FALSE(e.b("Com11")->isEnabled());
    EXPECT_EQ(e.l("Lbclock")->text(), "0");
    for (const char* n : {"Lrisposte", "Lerrori", "Lpercentuale"}) EXPECT_EQ(e.l(n)->text(), "_");
    EXPECT_EQ(e.banco.lettore.suonati, std::vector<std::string>{"premivia"});
    EXPECT_EQ(e.m.record, 200);
    EXPECT_EQ(e.m.numfrasi, 30);
    EXPECT_EQ(e.m.maxrisposte, 20);
    EXPECT_EQ(e.f->scala().numcomandi(), 95);
    EXPECT_EQ(e.f->scala().comando(18), e.f->scala().comando(54)); // art(1) twice
    EXPECT_EQ(e.f->scala().comando(95), e.l("Lbmostra", 22));
    // Disabled buttons take no answer.
    clicca(e.b("Com10"));
    clicca(e.b("Com11"));
    EXPECT_EQ(e.m.nrisposte, 0);
    e.banco.orologio.t += 30;
    e.f->aggiornaOrologio();
    EXPECT_EQ(e.l("Lbclock")->text(), "0");
}

TEST(FinestraEsercizio, VIADrawsThirtyDifferentSentencesThenReportsTheBankExhausted) {
    Esercizio e(0, 42);
    std::set<int> viste;
    for (int i = 0; i < 30; ++i) {
        e.f->estraiFrase();
        viste.insert(e.l("Label1")->text().toInt());
        EXPECT_EQ(e.l("Label1")->text(), QString::number(e.m.nfrase));
        EXPECT_FALSE(e.b("VIA")->isVisible());
    }
    EXPECT_EQ(viste.size(), 30u);
    EXPECT_EQ(*viste.begin(), 0);
    EXPECT_EQ(*viste.rbegin(), 29);
    e.banco.lettore.suonati.clear();
    e.f->estraiFrase();
    EXPECT_EQ(e.l("AVVISO")->text(), "TUTTE LE FRASI SONO COMPLETATE");
    EXPECT_EQ(e.banco.lettore.suonati, (std::vector<std::string>{"rumorevia", "conga"}));
    EXPECT_FALSE(e.b("VIA")->isVisible());
    EXPECT_TRUE(viste.count(e.m.nfrase));
    EXPECT_TRUE(e.b("Com10")->isEnabled());
    EXPECT_TRUE(e.b("Com11")->isEnabled());
    for (int i = 1; i <= 9; ++i) EXPECT_FALSE(e.b("Com", i)->isEnabled());
    // The pupil can go on; the next feedback enables the part-of-speech buttons again.
    ASSERT_TRUE(premiGiusto(e));
    for (int i = 1; i <= 9; ++i) EXPECT_TRUE(e.b("Com", i)->isEnabled());
}

TEST(FinestraEsercizio, TheWordUnderAnalysisIsRedInBothModes) {
    {
        Esercizio e(0);
        e.banco.casuale.prossimaFrase(2);
        e.f->estraiFrase();
        EXPECT_EQ(e.l("Label1")->text(), "2");
        EXPECT_EQ(coloreTesto(e.l("Lbmostra", 1)), rosso);
        for (int i = 2; i <= 22; ++i) {
            EXPECT_EQ(coloreTesto(e.l("Lbmostra", i)), verdeScuro);
            EXPECT_TRUE(e.l("Lbmostra", i)->isVisible()) << i;
        }
        // Nine words, then thirteen empty labels.
        EXPECT_EQ(e.l("Lbmostra", 9)->text().toStdString(), e.m.frasi.testo(2, 9));
        for (int i = 10; i <= 22; ++i) EXPECT_EQ(e.l("Lbmostra", i)->text(), "");
        EXPECT_EQ(e.m.attesa, e.m.frasi.chiave(Domanda::parte, 2, 1));
    }
    {
        // Adjectives only: a sentence whose first word is an adjective starts there.
        Esercizio e(1);
        e.banco.casuale.prossimaFrase(0);
        e.f->estraiFrase();
        EXPECT_EQ(e.l("Label1")->text(), "0");
        EXPECT_EQ(e.l("Lbmostra", 1)->text(), " Questo");
        EXPECT_EQ(e.m.nparola, 1);
        EXPECT_EQ(coloreTesto(e.l("Lbmostra", 1)), rosso);
    }
    {
        // Otherwise the first adjective is red and the words before stay green.
        Esercizio e(1);
        e.banco.casuale.prossimaFrase(8);
        e.f->estraiFrase();
        EXPECT_EQ(e.m.nparola, 2);
        EXPECT_EQ(e.m.attesa, 3);
        EXPECT_EQ(coloreTesto(e.l("Lbmostra", 1)), verdeScuro);
        EXPECT_EQ(coloreTesto(e.l("Lbmostra", 2)), rosso);
        for (int i = 1; i <= 22; ++i)
            EXPECT_EQ(e.l("Lbmostra", i)->text().toStdString(), e.m.frasi.testo(8, i));
    }
}

TEST(FinestraEsercizio, TheClockRunsFromTheFirstVIAAndIsNeverReset) {
    Esercizio e;
    // Just before midnight by the wall clock: a monotonic clock does not care.
    e.banco.orologio.t = 86399.5;
    e.f->estraiFrase();
    e.banco.orologio.t = 86402.4;
    e.f->aggiornaOrologio();
    EXPECT_EQ(e.l("Lbclock")->text(), "2");
    e.banco.orologio.t += 60;
    e.f->estraiFrase();
    e.f->aggiornaOrologio();
    EXPECT_EQ(e.l("Lbclock")->text(), "62");
}

TEST(FinestraEsercizio, FlashShowsItsTextWithThePanelBlocked) {
    Esercizio e;
    e.banco.casuale.prossimaFrase(10);
    e.f->estraiFrase();
    std::vector<QString> visti;
    bool bloccato = true;
    e.banco.pausa.durante = [&] {
        visti.push_back(e.l("gratifica")->text());
        bloccato = bloccato && !e.b("Com10")->isEnabled() && !e.b("Com11")->isEnabled();
        for (int i = 1; i <= 9; ++i) bloccato = bloccato && !e.b("Com", i)->isEnabled();
    };
    clicca(e.b("Com11")); // "Compra" is a verb: wrong
    clicca(e.b("Com10"));
    clicca(e.b("Com", 5));
    EXPECT_EQ(visti, (std::vector<QString>{"No riprova", "Bravo !", "bravo!"}));
    EXPECT_TRUE(bloccato);
    EXPECT_EQ(e.l("gratifica")->text(), "");
    EXPECT_EQ(e.banco.pausa.volte, 3);
}

// Answers right until the word under analysis is finished.
void finisciParolaInCorso(Esercizio& e) {
    const int w = e.m.nparola;
    for (int k = 0; k < 12 && e.m.nparola == w && premiGiusto(e); ++k) {
    }
    EXPECT_NE(e.m.nparola, w);
}

// Walks every sentence of the bank as a pupil who always answers right.
void passeggiata(int modo) {
    Esercizio e(modo, 7);
    std::set<int> frasi;
    std::map<std::pair<int, int>, std::vector<std::string>> tracce;
    std::map<std::pair<int, int>, std::vector<QColor>> colori;
    int risposte = 0;
    for (int giro = 0; giro < 30; ++giro) {
        clicca(e.b("VIA"));
        const int s = e.m.nfrase;
        EXPECT_TRUE(frasi.insert(s).second);
        std::vector<int> analizzate;
        int passi = 0;
        while (!e.b("VIA")->isVisible() && passi < 200) {
            const int w = e.m.nparola;
            if (analizzate.empty() || analizzate.back() != w) {
                analizzate.push_back(w);
                EXPECT_EQ(coloreTesto(e.l("Lbmostra", w)), rosso);
            }
            ASSERT_TRUE(premiGiusto(e)) << "sentence " << s << " word " << w;
            ++risposte;
            ++passi;
            if (e.m.nparola != w || e.b("VIA")->isVisible()) {
                // The word is finished: its trail is complete and still on screen.
                tracce[{s, w}] = traccia(e);
                for (int i = 1; i <= 10; ++i)
                    if (e.l("display", i)->isVisible())
                        colori[{s, w}].push_back(sfondo(e.l("display", i)));
            }
        }
        EXPECT_EQ(e.l("gratifica")->text(), "COMPLETATA");
        EXPECT_EQ(e.l("AVVISO")->text(),
                  "Bene, hai completato questa frase; ora premi il VIA per proseguire.");
        std::vector<int> attese;
        const int n = e.m.frasi.numeroParole(s);
        for (int w = 1; w <= n; ++w)
            if (modo == 0 || e.m.frasi.chiave(Domanda::parte, s, w) == 3) attese.push_back(w);
        EXPECT_EQ(analizzate, attese) << "sentence " << s;
        for (int i = 1; i <= 9; ++i) EXPECT_FALSE(e.b("Com", i)->isVisible());
    }
    EXPECT_EQ(frasi.size(), 30u);
    EXPECT_EQ(e.m.nerrori, 0);
    EXPECT_EQ(e.banco.modale.volte, risposte / 20);

    using V = std::vector<std::string>;
    auto T = [&](int s, int w) { return tracce[{s, w}]; };
    auto C = [&](int s, int w) { return colori[{s, w}]; };
    EXPECT_EQ(T(10, 7), (V{"Parte variabile", "Aggettivo", "Determinativo", "Possessivo",
                           "1° persona", "Maschile", "Singolare"}));
    EXPECT_EQ(C(10, 7),
              (std::vector<QColor>{QColor(255, 255, 0), QColor(255, 255, 192),
                                   QColor(255, 255, 192), QColor(192, 192, 0), QColor(192, 192, 0),
                                   QColor(0, 255, 255), QColor(224, 224, 224)}));
    EXPECT_EQ(T(1, 10), (V{"Parte variabile", "Aggettivo", "Determinativo", "Indefinito"}));
    EXPECT_EQ(C(1, 10).back(), QColor(224, 224, 224));
    EXPECT_EQ(T(1, 2),
              (V{"Parte variabile", "Aggettivo", "Determinativo", "Numerale", "Cardinale"}));
    EXPECT_EQ(T(2, 7),
              (V{"Parte variabile", "Aggettivo", "Sostantivato", "Maschile", "Singolare"}));
    EXPECT_EQ(T(10, 17), (V{"Parte variabile", "Aggettivo", "Qualificativo", "Superlativo",
                            "Assoluto", "Femminile", "Singolare"}));
    if (modo == 0) {
        EXPECT_EQ(T(29, 2), (V{"Parte invariabile", "Avverbio  e locuzione avv."}));
        EXPECT_EQ(C(29, 2), (std::vector<QColor>{QColor(255, 128, 128), QColor(192, 192, 0)}));
    }
}

TEST(FinestraEsercizio, PupilWalkEveryWord) {
    passeggiata(0);
}
TEST(FinestraEsercizio, PupilWalkAdjectivesOnly) {
    passeggiata(1);
}

TEST(FinestraEsercizio, AfterAWordTheRedMovesOnAndTheLastWordCompletes) {
    {
        Esercizio e(0);
        e.banco.casuale.prossimaFrase(21);
        clicca(e.b("VIA"));
        premiGiusto(e); // "La   ": variable
        premiGiusto(e); // article: word finished
        EXPECT_EQ(e.m.nparola, 2);
        EXPECT_EQ(e.m.ndisplay, 1);
        EXPECT_EQ(coloreTesto(e.l("Lbmostra", 2)), rosso);
        EXPECT_EQ(coloreTesto(e.l("Lbmostra", 1)), e.f->palette().color(QPalette::ButtonText));
        EXPECT_TRUE(e.b("Com10")->isEnabled() && e.b("Com10")->isVisible());
        // The trail stays until the next first answer.
        EXPECT_EQ(traccia(e), (std::vector<std::string>{"Parte variabile", "Articolo"}));
        premiGiusto(e);
        EXPECT_EQ(traccia(e), (std::vector<std::string>{"Parte variabile"}));
        finisciFrase(e);
        // Case A: the last word keeps its red.
        EXPECT_EQ(coloreTesto(e.l("Lbmostra", 12)), rosso);
        EXPECT_EQ(e.banco.lettore.suonati.back(), "premivia");
    }
    {
        // Adjectives only: a 22-word sentence completes after its last adjective.
        Esercizio e(1);
        e.banco.casuale.prossimaFrase(23);
        clicca(e.b("VIA"));
        finisciFrase(e);
        EXPECT_LE(e.m.nparola, 22);
        for (int i = 1; i <= 22; ++i)
            EXPECT_EQ(coloreTesto(e.l("Lbmostra", i)), e.f->palette().color(QPalette::ButtonText));
    }
}

TEST(FinestraEsercizio, WrongAnswersAreCountedByCategoryAndLeaveTheQuestionOpen) {
    Esercizio e(0);
    e.banco.casuale.prossimaFrase(8);
    clicca(e.b("VIA"));
    // "Nello   " is a preposition: PARTE VARIABILE is wrong, counted under 10.
    clicca(e.b("Com10"));
    EXPECT_EQ(e.m.contaerrori[10], 1);
    EXPECT_EQ(sfondo(e.f.get()), QColor(192, 255, 192));
    EXPECT_TRUE(e.b("Com10")->isVisible() && e.b("Com11")->isVisible());
    for (int i = 1; i <= 9; ++i) EXPECT_FALSE(e.b("Com", i)->isVisible());
    EXPECT_EQ(e.banco.lettore.suonati.back(), "sbagliato1");
    clicca(e.b("Com11"));
    // Five wrong parts of speech, then the right one: six answers, five errors.
    const int risposte = e.m.nrisposte;
    for (int k = 0; k < 5; ++k) clicca(e.b("Com", 8));
    EXPECT_EQ(e.m.contaerrori[7], 5); // counted under the expected part, not the pressed one
    EXPECT_EQ(e.m.contaerrori[8], 0);
    clicca(e.b("Com", 7));
    EXPECT_EQ(e.m.nrisposte, risposte + 6);
    EXPECT_EQ(e.m.nerrori, 6);
    EXPECT_EQ(traccia(e),
              (std::vector<std::string>{"Parte invariabile", "Preposizione  e locuzione prep."}));

    // "stesso  ": a wrong gender counts under Aggettivo.
    premiGiusto(e);
    premiGiusto(e);
    premiGiusto(e);
    premiGiusto(e);
    ASSERT_TRUE(e.b("Masfem", 1)->isVisible());
    clicca(e.b("Masfem", 2));
    EXPECT_EQ(e.m.contaerrori[3], 1);
    EXPECT_TRUE(e.b("Masfem", 1)->isVisible() && e.b("Masfem", 2)->isVisible());
    EXPECT_FALSE(e.m.contaerrori[12].impostato());
}

TEST(FinestraEsercizio, ComparativeOfMinorityAnsweredAsEquality) {
    Esercizio e(1);
    e.banco.casuale.prossimaFrase(0); // " Questo", "meno ordinato ", "più ricco "
    clicca(e.b("VIA"));
    finisciParolaInCorso(e); // the demonstrative
    ASSERT_EQ(e.m.nparola, 4);
    for (int k = 0; k < 4; ++k) premiGiusto(e); // variable, adjective, qualifying, comparative
    ASSERT_TRUE(e.b("Compar", 1)->isVisible());
    EXPECT_FALSE(e.b("pcf", 1)->isVisible());
    const int errori = e.m.contaerrori[3];
    clicca(e.b("Compar", 2)); // it is "di minoranza"
    EXPECT_EQ(e.m.contaerrori[3], errori + 1);
    for (int i = 1; i <= 3; ++i) EXPECT_TRUE(e.b("Compar", i)->isVisible());
}

// The comparative's buttons stand majority, minority, equality from the top:
// the digit keys follow the screen, not the indices.
TEST(FinestraEsercizio, DigitKeysFollowTheButtonsOnScreen) {
    Esercizio e(1);
    e.banco.casuale.prossimaFrase(0);
    clicca(e.b("VIA"));
    finisciParolaInCorso(e);
    for (int k = 0; k < 4; ++k) premiGiusto(e);
    ASSERT_TRUE(e.b("Compar", 3)->isVisible());
    ASSERT_LT(e.b("Compar", 3)->y(), e.b("Compar", 1)->y());
    QTest::keyClick(e.f.get(), Qt::Key_1); // di maggioranza: wrong for "meno ordinato"
    EXPECT_EQ(e.m.risposta, 3);
    EXPECT_EQ(e.m.nerrori, 1);
    QTest::keyClick(e.f.get(), Qt::Key_2); // di minoranza
    EXPECT_EQ(e.m.risposta, 1);
    EXPECT_EQ(e.m.nerrori, 1);
    EXPECT_EQ(traccia(e).back(), "di minoranza");
    ASSERT_TRUE(e.b("Masfem", 1)->isVisible()); // gender comes next, then number
    QTest::keyClick(e.f.get(), Qt::Key_1);
    ASSERT_TRUE(e.b("Singplu", 1)->isVisible());
    QTest::keyClick(e.f.get(), Qt::Key_1);
    ASSERT_EQ(e.m.nparola, 9); // "più ricco "
    for (int k = 0; k < 4; ++k) premiGiusto(e);
    QTest::keyClick(e.f.get(), Qt::Key_1); // di maggioranza
    EXPECT_EQ(e.m.nerrori, 1);
    EXPECT_EQ(traccia(e).back(), "di maggioranza");
}

TEST(FinestraEsercizio, CountersAndTheTwentiethAnswer) {
    Esercizio e(0);
    e.banco.casuale.prossimaFrase(10);
    clicca(e.b("VIA"));
    premiGiusto(e);
    EXPECT_EQ(e.l("Lrisposte")->text(), "1");
    EXPECT_EQ(e.l("Lerrori")->text(), "0");
    EXPECT_EQ(e.l("Lpercentuale")->text(), "0");
    clicca(e.b("Com", 1)); // "Compra" is a verb
    EXPECT_EQ(e.l("Lrisposte")->text(), "2");
    EXPECT_EQ(e.l("Lerrori")->text(), "1");
    EXPECT_EQ(e.l("Lpercentuale")->text(), "50");
    clicca(e.b("Com", 2));
    EXPECT_EQ(e.l("Lpercentuale")->text(), "66");

    // Up to the 20th answer, which is wrong and already counted when graded.
    Livello livello = Livello::nessuno;
    QString mostrato;
    e.banco.modale.risposta = [&](QDialog& d) {
        livello = e.m.livello;
        mostrato = e.l("Lrisposte")->text();
        d.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    };
    for (int k = 0; k < 100 && e.m.nrisposte < 19; ++k)
        if (!premiGiusto(e)) clicca(e.b("VIA"));
    ASSERT_EQ(e.m.nrisposte, 19);
    EXPECT_EQ(e.banco.modale.volte, 0);
    // A wrong press on whatever is open.
    if (e.b("Com10")->isVisible()) {
        const int parte = e.m.frasi.chiave(Domanda::parte, e.m.nfrase, e.m.nparola);
        clicca(e.b(parte < 6 ? "Com11" : "Com10"));
    } else {
        auto v = bottoniVisibili(e);
        auto sbagliato = std::find_if(v.begin(), v.end(), [&](QPushButton* b) {
            return !b->objectName().endsWith(QLatin1Char('(') + QString::number(e.m.attesa) +
                                             QLatin1Char(')'));
        });
        clicca(*sbagliato);
    }
    EXPECT_EQ(e.banco.modale.volte, 1);
    EXPECT_EQ(livello, Livello::sufficiente); // two errors before, and the 20th: three
    EXPECT_EQ(mostrato, "20");
    // PROSEGUI: the old figures stay until the next answer.
    EXPECT_EQ(e.m.nrisposte, 0);
    EXPECT_EQ(e.l("Lrisposte")->text(), "20");
    premiGiusto(e);
    EXPECT_EQ(e.l("Lrisposte")->text(), "1");
    EXPECT_EQ(e.l("Lpercentuale")->text(), "0");
}

TEST(FinestraEsercizio, WithoutPROSEGUIEveryFurtherAnswerGradesAgain) {
    Esercizio e(0);
    e.banco.modale.risposta = [](QDialog& d) { d.reject(); };
    clicca(e.b("VIA"));
    for (int k = 0; k < 100 && e.m.nrisposte < 22; ++k)
        if (!premiGiusto(e)) clicca(e.b("VIA"));
    EXPECT_EQ(e.banco.modale.volte, 3);
}

TEST(FinestraEsercizio, FINEAndTheWindowFrameEndTheProgram) {
    {
        Esercizio e;
        clicca(e.b("FINE"));
        EXPECT_EQ(e.terminato, 1);
        EXPECT_EQ(e.banco.lettore.suonati.back(), "congafine");
    }
    {
        // The frame's close is refused, so that the program does not end at
        // once as the last window closes, but waits for the jingle as FINE does.
        Esercizio e;
        QCloseEvent chiusura;
        QApplication::sendEvent(e.f.get(), &chiusura);
        EXPECT_FALSE(chiusura.isAccepted());
        EXPECT_EQ(e.terminato, 1);
        EXPECT_EQ(e.banco.lettore.suonati.back(), "congafine");
        clicca(e.b("FINE"));
        EXPECT_EQ(e.terminato, 1);
    }
}

// A close during the one-second pause ends the program; nothing of the
// interrupted answer happens after the jingle.
TEST(FinestraEsercizio, ACloseDuringThePauseStopsTheAnswer) {
    for (bool giusta : {true, false}) {
        Esercizio e(0);
        e.banco.casuale.prossimaFrase(21);
        clicca(e.b("VIA"));
        e.m.nrisposte = 19; // this answer would close the series
        e.banco.pausa.durante = [&] { e.f->close(); };
        clicca(e.b(giusta ? "Com10" : "Com11"));
        EXPECT_EQ(e.terminato, 1);
        EXPECT_EQ(e.banco.lettore.suonati.back(), "congafine");
        EXPECT_EQ(e.banco.modale.volte, 0);
        EXPECT_TRUE(traccia(e).empty());
        EXPECT_EQ(e.l("Lrisposte")->text(), "_");
        for (int i = 1; i <= 9; ++i) EXPECT_FALSE(e.b("Com", i)->isVisible());
        // Nor does any later press.
        const auto suoni = e.banco.lettore.suonati.size();
        e.f->rispondiVariabile();
        e.f->rispondi(Domanda::parte, 1);
        EXPECT_EQ(e.banco.lettore.suonati.size(), suoni);
    }
}

TEST(FinestraEsercizio, KeysAnswerLikeClicks) {
    Esercizio e(0);
    e.banco.casuale.prossimaFrase(21);
    QTest::keyClick(e.f.get(), Qt::Key_1); // VIA not pressed yet: both disabled
    EXPECT_EQ(e.m.nrisposte, 0);
    QTest::keyClick(e.f.get(), Qt::Key_Return);
    EXPECT_FALSE(e.b("VIA")->isVisible());
    QTest::keyClick(e.f.get(), Qt::Key_1); // PARTE VARIABILE
    EXPECT_EQ(traccia(e), (std::vector<std::string>{"Parte variabile"}));
    QTest::keyClick(e.f.get(), Qt::Key_9); // only five buttons: nothing
    EXPECT_EQ(e.m.nrisposte, 1);
    QTest::keyClick(e.f.get(), Qt::Key_1); // Articolo
    EXPECT_EQ(e.m.nparola, 2);
    EXPECT_EQ(e.m.nerrori, 0);
    EXPECT_EQ(e.b("Com", 3)->accessibleName(), "Aggettivo");
}

TEST(FinestraEsercizio, ErrorLogOpensBesideAndFollowsOnlyOnRequest) {
    Esercizio e(0);
    e.banco.casuale.prossimaFrase(29);
    clicca(e.b("VIA"));
    clicca(e.b("Command8"));
    RegistroErrori* log = registroErrori(*e.f);
    ASSERT_NE(log, nullptr);
    EXPECT_TRUE(log->isVisible());
    EXPECT_EQ(etichetta(*log, "Lberrori3")->text(), "Aggettivo");
    EXPECT_EQ(etichetta(*log, "Lberrori11")->text(), "PARTE  INVARIABILE");
    ASSERT_GT(e.m.frasi.chiave(Domanda::parte, 29, 1), 5); // the first word of 29 is invariable
    clicca(e.b("Com10"));
    clicca(e.b("Com10"));
    EXPECT_EQ(etichetta(*log, elemento("RR", 10))->text(), "");
    clicca(e.b("Command8"));
    EXPECT_EQ(registroErrori(*e.f), log);
    EXPECT_EQ(etichetta(*log, elemento("RR", 10))->text(), "2");
    EXPECT_EQ(etichetta(*log, elemento("RR", 11))->text(), "");
}

// The real player module, loaded from beside the test program: every sound of
// the table has its generated file; with no files it stays silent and the
// window behaves the same.
// One reading per line, its texts joined by " / ".
std::vector<std::string> letture(const FakeVoce& v, std::size_t da = 0) {
    std::vector<std::string> r;
    for (std::size_t i = da; i < v.letture.size(); ++i) {
        std::string riga;
        for (const std::string& t : v.letture[i]) riga += (riga.empty() ? "" : " / ") + t;
        r.push_back(riga);
    }
    return r;
}

TEST(FinestraEsercizio, TheVoiceReadsTheSentenceTheRedWordEachQuestionAndTheFeedback) {
    Esercizio e(1, 1, {}, true);
    e.banco.casuale.prossimaFrase(0);
    e.f->estraiFrase();
    clicca(e.b("Com11")); // wrong
    for (int k = 0; k < 6; ++k) ASSERT_TRUE(premiGiusto(e));
    const std::string prima = "È una parte variabile o invariabile? / parte variabile / "
                              "parte invariabile";
    const std::string frase = "Questo quaderno è meno ordinato del tuo, ma è più ricco di disegni.";
    EXPECT_EQ(letture(e.banco.voce),
              (std::vector<std::string>{
                  frase + " / Questo / " + prima,
                  "No, riprova.",
                  "Giusto!",
                  "Che parte del discorso è? / Articolo / Nome / Aggettivo / Pronome / Verbo",
                  "Giusto!",
                  "Che tipo di aggettivo è? / Qualificativo / Determinativo / Sostantivato",
                  "Giusto!",
                  "Che tipo di aggettivo determinativo è? / Possessivo / Dimostrativo / "
                  "Indefinito / Numerale / Interrogativo / Esclamativo",
                  "Giusto!",
                  "È maschile o femminile? / Maschile / Femminile",
                  "Giusto!",
                  "È singolare o plurale? / Singolare / Plurale",
                  "Giusto!",
                  "meno ordinato / " + prima,
              }));

    // R and the small button say the last reading again, not its feedback.
    const auto n = e.banco.voce.letture.size();
    QTest::keyClick(e.f.get(), Qt::Key_R);
    clicca(e.b("Ripeti"));
    EXPECT_EQ(letture(e.banco.voce, n),
              (std::vector<std::string>{"meno ordinato / " + prima, "meno ordinato / " + prima}));

    // The 20th answer grades the series (one error: DISTINTO), then the sentence ends.
    finisciFrase(e);
    const auto tutte = letture(e.banco.voce);
    ASSERT_GE(tutte.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(tutte.end() - 5, tutte.end()),
              (std::vector<std::string>{"Giusto!", "Risultato della serie: distinto.",
                                        "È singolare o plurale? / Singolare / Plurale", "Giusto!",
                                        "Frase completata: / " + frase}));
}

TEST(FinestraEsercizio, WithoutAVoiceTheDrillIsTheSameAndHasNoRepeatButton) {
    Esercizio muta(0), parlante(0, 1, {}, true);
    EXPECT_EQ(muta.b("Ripeti"), nullptr);
    ASSERT_NE(parlante.b("Ripeti"), nullptr);
    // The same sentence answered the same way, a wrong press included, shows the same.
    auto gioca = [](Esercizio& e) {
        e.banco.casuale.prossimaFrase(3);
        e.f->estraiFrase();
        QTest::keyClick(e.f.get(), Qt::Key_R);
        clicca(e.b(e.m.frasi.chiave(Domanda::parte, e.m.nfrase, 1) < 6 ? "Com11" : "Com10"));
        for (int k = 0; k < 5; ++k) premiGiusto(e);
        std::vector<std::string> visto = traccia(e);
        for (QWidget* w : e.f->findChildren<QWidget*>())
            if (w->isVisible() && w->objectName() != QLatin1String("Ripeti"))
                visto.push_back(w->objectName().toStdString());
        for (const char* n : {"Lrisposte", "Lerrori", "AVVISO", "gratifica"})
            visto.push_back(e.l(n)->text().toStdString());
        return std::pair(visto, e.banco.lettore.suonati);
    };
    EXPECT_EQ(gioca(muta), gioca(parlante));
    EXPECT_TRUE(muta.banco.voce.letture.empty());
    EXPECT_FALSE(parlante.banco.voce.letture.empty());
}

TEST(LettoreQt, TheRealModulePlaysEverySoundAndMissingFilesChangeNothing) {
    const QString suoni = QCoreApplication::applicationDirPath() + QStringLiteral("/suoni");
    LettoreQt lettore({suoni});
    lettore.carica();
    for (Suono s : tuttiISuoni) {
        lettore.riproduci(s);
        EXPECT_TRUE(lettore.disponibile(s)) << nome(s);
    }

    StatoCorsa m;
    Banco banco;
    LettoreQt muto({QStringLiteral("/nonexistent/suoni")});
    muto.carica();
    Audio audio(muto, banco.casuale);
    FinestraEsercizio f(m, {banco.orologio, banco.casuale, banco.pausa, audio, banco.modale});
    f.termina = [] {};
    f.estraiFrase();
    f.rispondiVariabile();
    f.rispondiInvariabile();
    f.esci();
    EXPECT_EQ(m.nrisposte, 2);
    for (Suono s : tuttiISuoni) EXPECT_FALSE(muto.disponibile(s)) << nome(s);
}

TEST(PausaQt, DropsClicksAndKeysOnly) {
    PausaQt p;
    QKeyEvent tasto(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier);
    QMouseEvent clic(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QEvent disegno(QEvent::Paint);
    QEvent timer(QEvent::Timer);
    QObject o;
    EXPECT_TRUE(p.eventFilter(&o, &tasto));
    EXPECT_TRUE(p.eventFilter(&o, &clic));
    EXPECT_FALSE(p.eventFilter(&o, &disegno));
    EXPECT_FALSE(p.eventFilter(&o, &timer));
}

} // namespace
