#include "colonne.h"
#include "core/frase.h"
#include "core/servizi.h"
#include "core/sessione.h"
#include "core/statistiche.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <vector>

namespace {

// The questions a word must be asked: its non-zero key columns in the order
// the analysis goes, ending after the kind of a numeral (its gender and number
// are stored, not asked).
std::vector<int> colonneAttese(const Frasi& f, int s, int w) {
    std::vector<int> v;
    for (int c : {1, 2, 3, 5, 6, 4, 8, 7, 9, 10}) {
        if (f.chiave(c, s, w) == 0) continue;
        v.push_back(c);
        if (c == 8) break;
    }
    return v;
}

struct Dadi : Casuale {
    void rimescola() override {}
    double uniforme() override {
        if (coda.empty()) return 0.5;
        const double v = coda.front();
        coda.pop_front();
        return v;
    }
    void frase(int s, int n = 30) { coda.push_back((s + 0.5) / n); }
    std::deque<double> coda;
};

struct Corsa {
    explicit Corsa(int modo = 0, const std::vector<Frase>& banca = {}) {
        for (const Frase& f : banca) EXPECT_TRUE(m.frasi.aggiungi(f));
        sessione.scegliModo(static_cast<Modo>(modo));
        sessione.carica();
    }
    StatoCorsa m;
    Sessione sessione{m};
    Dadi dadi;
};

// Answers every word of sentence s right, taking each answer from the bank's
// column for the question the session opened; returns the columns asked, word by word.
std::vector<std::vector<int>> analizzaFrase(Corsa& c, int s) {
    c.dadi.frase(s);
    const auto x = c.sessione.estrai(c.dadi, 0);
    EXPECT_EQ(x.nfrase, s);
    std::vector<std::vector<int>> chieste;
    const Frasi& f = c.m.frasi;
    for (int parole = 0; parole < 23; ++parole) {
        const int w = c.m.nparola;
        std::vector<int> colonne{1};
        const int parte = f.chiave(Domanda::parte, s, w);
        auto e = c.sessione.rispondiPrima(parte < 6 ? variabile : invariabile);
        EXPECT_TRUE(e.giusta) << s << "/" << w;
        Domanda d = Domanda::parte;
        for (int passi = 0; passi < 12; ++passi) {
            const int risposta = f.chiave(colonnaDi(d), s, w);
            e = c.sessione.rispondi(d, risposta);
            if (!e.giusta) {
                ADD_FAILURE() << "the key's answer " << risposta << " judged wrong at " << s << "/"
                              << w;
                return chieste;
            }
            if (e.dopo != Sessione::Dopo::domanda) break;
            d = e.prossima;
            colonne.push_back(colonnaDi(d));
        }
        chieste.push_back(colonne);
        EXPECT_EQ(colonne, colonneAttese(f, s, w)) << "sentence " << s << " word " << w;
        if (e.dopo == Sessione::Dopo::fraseCompletata) return chieste;
        EXPECT_EQ(e.dopo, Sessione::Dopo::prossimaParola);
        EXPECT_EQ(c.m.attesa, f.chiave(Domanda::parte, s, c.m.nparola));
    }
    ADD_FAILURE() << "sentence " << s << " never completes";
    return chieste;
}

TEST(Sessione, LoadValues) {
    Corsa c;
    EXPECT_EQ(c.m.maxrisposte, 20);
    EXPECT_EQ(c.m.numfrasi, 30);
    EXPECT_EQ(c.m.frasi.numeroFrasi(), 30);
    EXPECT_EQ(c.m.record, 200);
    EXPECT_EQ(c.m.nrisposte, 0);
    EXPECT_EQ(c.m.nerrori, 0);
    EXPECT_EQ(c.m.ndisplay, 1);
    EXPECT_FALSE(c.m.avviato);
    EXPECT_FALSE(c.m.inizio.impostato());
}

TEST(Sessione, EveryWordIsAskedExactlyItsKeyColumnsInBothModes) {
    int parole = 0, aggettivi = 0;
    for (int modo : {0, 1}) {
        Corsa c(modo);
        for (int s = 0; s < 30; ++s) {
            for (const auto& colonne : analizzaFrase(c, s)) {
                (modo == 0 ? parole : aggettivi) += 1;
                if (modo == 1) {
                    EXPECT_GE(colonne.size(), 2u); // adjectives only
                }
            }
        }
    }
    EXPECT_EQ(parole, 507);
    EXPECT_GT(aggettivi, 100);
}

// Paths the built-in sentences never take: an exclamation, a feminine
// nominalised adjective, an invariable numeral beside one with a gender.
TEST(Sessione, PathsOnlyATeachersSentenceTakes) {
    const Frase f{{{"Oh! ", {9}},
                   {"le ", {1}},
                   {"belle ", {3, 3, 0, 0, 0, 0, 0, 0, 2, 2}},
                   {"tre ", {3, 2, 0, 4, 0, 0, 0, 1, 0, 0}},
                   {"prime ", {3, 2, 0, 4, 0, 0, 0, 2, 2, 2}},
                   {"volte.", {2}}}};
    for (int modo : {0, 1}) {
        Corsa c(modo, {f});
        EXPECT_EQ(c.m.numfrasi, 1);
        const auto chieste = analizzaFrase(c, 0);
        EXPECT_EQ(chieste.size(), modo == 0 ? 6u : 3u);
    }
    Corsa c(0, {f});
    c.dadi.frase(0, 1);
    c.sessione.estrai(c.dadi, 0);
    EXPECT_FALSE(c.sessione.rispondiPrima(variabile).giusta);
    EXPECT_TRUE(c.sessione.rispondiPrima(invariabile).giusta);
    EXPECT_EQ(c.sessione.rispondi(Domanda::parte, 8).categoria, Categoria::esclamazione);
    const auto e = c.sessione.rispondi(Domanda::parte, 9);
    EXPECT_EQ(e.traccia, "Esclamazione  e locuzione escl.");
    EXPECT_EQ(e.dopo, Sessione::Dopo::prossimaParola);
    EXPECT_EQ(c.m.contaerrori[9], 1);
    EXPECT_EQ(c.m.contaerrori[10], 1);
}

TEST(Sessione, TheDrawStartsTheClockOnceAndNeverRepeatsUntilTheBankIsExhausted) {
    Corsa c;
    std::set<int> viste;
    for (int i = 0; i < 30; ++i) {
        c.dadi.coda.assign(40, 0.0);
        for (int k = 0; k < 30; ++k) c.dadi.coda[static_cast<std::size_t>(k)] = (k + 0.5) / 30;
        const auto x = c.sessione.estrai(c.dadi, 100.0 + i);
        EXPECT_FALSE(x.esaurita);
        EXPECT_EQ(x.primaVolta, i == 0);
        EXPECT_TRUE(viste.insert(x.nfrase).second);
    }
    EXPECT_DOUBLE_EQ(c.m.inizio.reale(), 100.0);
    EXPECT_DOUBLE_EQ(c.m.iniziotest.reale(), 100.0);
    c.dadi.coda.clear();
    const auto x = c.sessione.estrai(c.dadi, 500);
    EXPECT_TRUE(x.esaurita);
    EXPECT_TRUE(viste.count(x.nfrase));
    EXPECT_EQ(c.m.nfrase, x.nfrase);
    EXPECT_EQ(c.m.attesa, c.m.frasi.chiave(Domanda::parte, x.nfrase, x.nparola));
}

TEST(Sessione, WrongAnswersChargeTheirCategoryAndLeaveTheQuestionOpen) {
    Corsa c;
    c.dadi.frase(0); // " Questo": demonstrative adjective
    c.sessione.estrai(c.dadi, 0);
    auto e = c.sessione.rispondiPrima(invariabile);
    EXPECT_FALSE(e.giusta);
    EXPECT_EQ(e.categoria, Categoria::parteInvariabile);
    EXPECT_EQ(e.dopo, Sessione::Dopo::stessaDomanda);
    EXPECT_TRUE(c.sessione.rispondiPrima(variabile).giusta);
    e = c.sessione.rispondi(Domanda::parte, 2);
    EXPECT_EQ(e.categoria,
              Categoria::aggettivo); // counted under the part that should have been seen
    EXPECT_TRUE(c.sessione.rispondi(Domanda::parte, 3).giusta);
    e = c.sessione.rispondi(Domanda::tipo, 1);
    EXPECT_EQ(e.categoria, Categoria::aggettivo); // adjective sub-questions count as adjectives
    EXPECT_EQ(c.m.contaerrori[11], 1);
    EXPECT_EQ(c.m.contaerrori[3], 2);
    EXPECT_FALSE(c.m.contaerrori[1].impostato());
    EXPECT_EQ(c.m.nerrori, 3);
    EXPECT_EQ(c.m.nrisposte, 5);
    EXPECT_EQ(c.sessione.percentuale(), 60);
    // The question is still the kind of adjective, and the trail has not moved.
    e = c.sessione.rispondi(Domanda::tipo, 2);
    EXPECT_TRUE(e.giusta);
    EXPECT_EQ(e.etichettaTraccia, 3);
    EXPECT_EQ(e.traccia, "Determinativo");
    EXPECT_EQ(e.prossima, Domanda::determinativo);
    // A button that does not exist changes nothing.
    const int risposte = c.m.nrisposte;
    EXPECT_TRUE(c.sessione.rispondi(Domanda::determinativo, 7).ignorata);
    EXPECT_EQ(c.m.nrisposte, risposte);
}

TEST(Sessione, TheTwentiethAnswerClosesTheSeries) {
    Corsa c;
    c.dadi.frase(0);
    c.sessione.estrai(c.dadi, 0);
    for (int i = 1; i <= 19; ++i)
        EXPECT_FALSE(c.sessione.rispondiPrima(invariabile).chiudeSerie) << i;
    EXPECT_TRUE(c.sessione.rispondiPrima(invariabile).chiudeSerie);
    const auto ch = c.sessione.chiudiSerie(60);
    EXPECT_EQ(ch.livello, Livello::occorre);
    EXPECT_FALSE(ch.nuovoRecord);
    EXPECT_EQ(c.sessione.serie(Livello::occorre), 1);
    // Without PROSEGUI every further answer closes the series again.
    EXPECT_TRUE(c.sessione.rispondiPrima(invariabile).chiudeSerie);
    c.sessione.nuovaSerie(75);
    EXPECT_EQ(c.m.nrisposte, 0);
    EXPECT_EQ(c.m.nerrori, 0);
    EXPECT_DOUBLE_EQ(c.m.iniziotest.reale(), 75);
    EXPECT_FALSE(c.sessione.rispondiPrima(invariabile).chiudeSerie);
}

TEST(Sessione, StandingsStopAtTenAndTheRecordIsRoundedHalfToEven) {
    Corsa c;
    for (int i = 0; i < 12; ++i) {
        c.m.nerrori = 2;
        EXPECT_EQ(c.sessione.chiudiSerie(0).livello, Livello::buono);
    }
    EXPECT_EQ(c.sessione.serie(Livello::buono), 10);
    EXPECT_EQ(c.sessione.serie(Livello::soloClassifica), 0);
    c.sessione.soloClassifica();
    EXPECT_EQ(c.m.livello, Livello::soloClassifica);

    struct Caso {
        double secondi;
        bool nuovo;
        int record;
    };
    const Caso casi[] = {{200, false, 200},  {150.5, true, 150},  {150.3, false, 150},
                         {149.6, true, 150}, {148.55, true, 148}, {149.5, false, 148},
                         {-3, true, 0}};
    for (const Caso& k : casi) {
        c.m.nerrori = 0;
        c.m.iniziotest = 1000.0;
        const auto ch = c.sessione.chiudiSerie(1000.0 + k.secondi);
        EXPECT_EQ(ch.nuovoRecord, k.nuovo) << k.secondi;
        EXPECT_EQ(c.m.record, k.record) << k.secondi;
    }
    // Any other level never sets a record.
    c.m.nerrori = 1;
    c.m.record = 200;
    EXPECT_FALSE(c.sessione.chiudiSerie(c.m.iniziotest.reale() + 1).nuovoRecord);
}

} // namespace
