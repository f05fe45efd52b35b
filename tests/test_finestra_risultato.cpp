#include "fakes.h"

#include "ui/finestra_risultato.h"
#include "ui/forme.h"

#include <gtest/gtest.h>

namespace {

struct Risultato {
    Risultato() { m.record = 200; }
    // Shows the window for a series graded `livello` that took `secondi`;
    // returns what it showed, then closes it as `chiudi` says.
    void mostra(int livello, double secondi, bool prosegui = true) {
        banco.orologio.t = m.iniziotest.reale() + secondi;
        bool record = false;
        if (livello >= 1 && livello <= 5) {
            m.nerrori = 5 - livello; // the errors that give this level
            record = sessione.chiudiSerie(banco.orologio.t).nuovoRecord;
        } else {
            sessione.soloClassifica();
        }
        FinestraRisultato f(sessione, banco.servizi(), nullptr, record);
        EXPECT_EQ(static_cast<int>(m.livello), livello);
        risultato = etichetta(f, "RISULTATO")->text();
        sfondo = etichetta(f, "RISULTATO")->palette().color(QPalette::Window);
        nuovoRecord = etichetta(f, "LbNuovoRecord")->text();
        tempo = etichetta(f, "LbTrecord")->text();
        for (int r = 0; r < 5; ++r) {
            punti[r] = 0;
            for (int i = 1; i <= 10; ++i) {
                auto* c = f.findChild<Cerchio*>(elemento(righe[r], i));
                if (!c->isHidden()) ++punti[r];
                colori[r] = c->coloreAttuale();
            }
        }
        if (prosegui) f.prosegui();
    }
    static constexpr const char* righe[5] = {"ShOttimo", "ShDistinto", "ShBuono", "ShSufficiente",
                                             "ShOccorre"};
    StatoCorsa m;
    Sessione sessione{m};
    Banco banco;
    QString risultato, nuovoRecord, tempo;
    QColor sfondo;
    int punti[5]{};
    QColor colori[5];
};

TEST(Classificaform, LevelCaptionsColoursAndDots) {
    Risultato r;
    r.mostra(5, 150.3);
    EXPECT_EQ(r.risultato, "ottimo!!!");
    EXPECT_EQ(r.sfondo, QColor(255, 255, 0));
    EXPECT_EQ(r.punti[0], 1);
    for (int i = 1; i < 5; ++i) EXPECT_EQ(r.punti[i], 0);
    EXPECT_EQ(r.colori[0], QColor(255, 255, 0));
    EXPECT_EQ(r.colori[4], QColor(255, 128, 128));
    r.mostra(4, 10);
    EXPECT_EQ(r.risultato, "distinto!! ");
    EXPECT_EQ(r.sfondo, QColor(0, 192, 0));
    r.mostra(2, 10);
    EXPECT_EQ(r.risultato, "sufficiente");
    r.mostra(1, 10);
    EXPECT_EQ(r.risultato, "occorre esercitarsi");
    EXPECT_EQ((std::vector<int>(r.punti, r.punti + 5)), (std::vector<int>{1, 1, 0, 1, 1}));
}

TEST(Classificaform, RecordScenarios) {
    Risultato r;
    r.mostra(5, 150.3);
    EXPECT_EQ(r.nuovoRecord, "Nuovo Record!");
    EXPECT_EQ(r.tempo, "150");
    r.mostra(5, 170);
    EXPECT_EQ(r.nuovoRecord, "");
    EXPECT_EQ(r.tempo, "150");
    EXPECT_EQ(r.punti[0], 2);
    r.mostra(5, 150); // equal: no record
    EXPECT_EQ(r.nuovoRecord, "");
    r.mostra(5, 149.6);
    EXPECT_EQ(r.nuovoRecord, "Nuovo Record!");
    EXPECT_EQ(r.tempo, "150");
    for (int lv = 1; lv <= 4; ++lv) {
        r.mostra(lv, 1);
        EXPECT_EQ(r.nuovoRecord, "");
        EXPECT_EQ(r.tempo, "150");
    }
    Risultato lento;
    lento.mostra(5, 200);
    EXPECT_EQ(lento.nuovoRecord, "");
    EXPECT_EQ(lento.tempo, "200");
    lento.mostra(5, 250);
    EXPECT_EQ(lento.tempo, "200");
}

TEST(Classificaform, RowsStopAtTenDotsAndStandingsModeChangesNothing) {
    Risultato r;
    for (int i = 0; i < 12; ++i) r.mostra(3, 5);
    EXPECT_EQ(r.punti[2], 10);
    EXPECT_EQ(r.m.nbuono, 10);
    r.m.nrisposte = 7;
    r.mostra(6, 1, false);
    EXPECT_EQ(r.risultato, "RISULTATO");
    EXPECT_EQ(r.sfondo, QColor(255, 255, 128));
    EXPECT_EQ(r.punti[2], 10);
    EXPECT_EQ(r.nuovoRecord, "");
    EXPECT_EQ(r.tempo, "200");
    EXPECT_EQ(r.m.nrisposte, 7); // closed without PROSEGUI
    r.mostra(6, 1, true);
    EXPECT_EQ(r.m.nrisposte, 0);
}

TEST(Classificaform, ProseguiStartsTheNextSeries) {
    Risultato r;
    r.m.nrisposte = 20;
    r.m.nerrori = 3;
    r.mostra(2, 42);
    EXPECT_EQ(r.m.nrisposte, 0);
    EXPECT_EQ(r.m.nerrori, 0);
    EXPECT_DOUBLE_EQ(r.m.iniziotest.reale(), r.banco.orologio.t);
}

} // namespace
