#include "pupil.h"

#include "ui/registro_errori.h"

#include <gtest/gtest.h>

namespace {

QString conteggio(RegistroErrori& f, int i) {
    return etichetta(f, elemento("RR", i))->text();
}

TEST(FrmErrori, EmptyBeforeAnyErrorAndNamedFromTheButtons) {
    Esercizio e;
    clicca(e.b("Command8"));
    RegistroErrori& f = *registroErrori(*e.f);
    EXPECT_EQ(f.windowTitle(), "Form2");
    const char* nomi[] = {"Articolo",
                          "Nome",
                          "Aggettivo",
                          "Pronome",
                          "Verbo",
                          "Avverbio  e locuzione avv.",
                          "Preposizione  e locuzione prep.",
                          "Congiunzione  e locuzione cong.",
                          "Esclamazione  e locuzione escl.",
                          "PARTE VARIABILE",
                          "PARTE  INVARIABILE"};
    for (int i = 1; i <= 11; ++i) {
        EXPECT_EQ(etichetta(f, QStringLiteral("Lberrori") + QString::number(i))->text(),
                  nomi[i - 1]);
        EXPECT_EQ(conteggio(f, i), "");
        EXPECT_TRUE(etichetta(f, elemento("RR", i))->isVisible());
    }
    for (int i = 12; i <= 14; ++i)
        EXPECT_FALSE(etichetta(f, QStringLiteral("Lberrori") + QString::number(i))->isVisible());
    EXPECT_FALSE(etichetta(f, elemento("RR", 0))->isVisible());
}

TEST(FrmErrori, CountsSurviveProseguiAndStandingsCanBeOpened) {
    Esercizio e(0);
    e.banco.casuale.prossimaFrase(29); // starts with a preposition
    clicca(e.b("VIA"));
    clicca(e.b("Com10"));
    clicca(e.b("Com10"));
    clicca(e.b("Command8"));
    RegistroErrori* f = registroErrori(*e.f);
    EXPECT_EQ(conteggio(*f, 10), "2");
    EXPECT_EQ(conteggio(*f, 11), "");

    // "mostra classifica": standings only, and PROSEGUI starts a new series.
    Livello livello = Livello::nessuno;
    e.banco.modale.risposta = [&](QDialog& d) {
        livello = e.m.livello;
        EXPECT_EQ(d.parentWidget(), f);
        d.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    };
    clicca(bottone(*f, "Command2"));
    EXPECT_EQ(livello, Livello::soloClassifica);
    EXPECT_EQ(e.m.nrisposte, 0);
    EXPECT_EQ(e.m.nottimo + e.m.ndistinto + e.m.nbuono + e.m.nsufficiente + e.m.noccorre, 0);
    clicca(e.b("Command8"));
    EXPECT_EQ(conteggio(*f, 10), "2");

    // CHIUDI FINESTRA discards it; the next "mostra errori" builds it again.
    QPointer<RegistroErrori> vecchia = f;
    clicca(bottone(*f, "Command1"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(vecchia.isNull());
    clicca(e.b("Command8"));
    ASSERT_NE(registroErrori(*e.f), nullptr);
    EXPECT_EQ(conteggio(*registroErrori(*e.f), 10), "2");
}

} // namespace
