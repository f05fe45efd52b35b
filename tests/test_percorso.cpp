#include "core/albero.h"
#include "core/percorso.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

Frasi banca() {
    Frasi f;
    f.riempi();
    return f;
}

// A pupil who answers every question right from the key, through the tree
// table alone: every question reached must have a right button.
std::vector<std::string> analizza(const Frasi& f, int s, int w) {
    std::vector<std::string> traccia;
    const int parte = f.chiave(Domanda::parte, s, w);
    EXPECT_TRUE(parte >= 1 && parte <= 9) << s << "/" << w;
    traccia.emplace_back(primaRispostaGiusta(10, parte) ? variabile.traccia : invariabile.traccia);
    Domanda d = Domanda::parte;
    int attesa = parte;
    for (int passi = 0; passi < 10; ++passi) {
        const auto& bottoni = domanda(d).bottoni;
        if (attesa < 1 || attesa > static_cast<int>(bottoni.size())) {
            ADD_FAILURE() << "no right button for question " << domanda(d).nome << " at " << s
                          << "/" << w << " (key " << attesa << ")";
            return traccia;
        }
        traccia.emplace_back(bottoni[static_cast<std::size_t>(attesa - 1)].traccia);
        const DopoGiusta dopo = dopoRispostaGiusta(d, attesa, f, s, w);
        if (dopo.fineParola) return traccia;
        d = dopo.prossima;
        attesa = f.chiave(dopo.colonna, s, w);
    }
    ADD_FAILURE() << "the word never ends at " << s << "/" << w;
    return traccia;
}

TEST(Percorso, EveryWordOfTheBankCanBeAnalysedToTheEnd) {
    const Frasi f = banca();
    for (int s = 0; s < 30; ++s)
        for (int w = 1; w <= f.numeroParole(s); ++w) {
            const auto t = analizza(f, s, w);
            EXPECT_LE(t.size(), 7u);
        }
}

TEST(Percorso, TrailsOfTheTypicalPaths) {
    const Frasi f = banca();
    using V = std::vector<std::string>;
    // "mio  " in sentence 10: a possessive fills positions 1 to 7.
    EXPECT_EQ(analizza(f, 10, 7), (V{"Parte variabile", "Aggettivo", "Determinativo", "Possessivo",
                                     "1° persona", "Maschile", "Singolare"}));
    // "ogni   ": an indefinite without gender ends at its kind.
    EXPECT_EQ(analizza(f, 1, 10),
              (V{"Parte variabile", "Aggettivo", "Determinativo", "Indefinito"}));
    // "duplice   ": a numeral ends at its kind although its gender is stored.
    EXPECT_EQ(analizza(f, 8, 9),
              (V{"Parte variabile", "Aggettivo", "Determinativo", "Numerale", "Moltiplicativo"}));
    // "bellissima ": the trail says "Assoluto", not the button's caption.
    EXPECT_EQ(analizza(f, 10, 17), (V{"Parte variabile", "Aggettivo", "Qualificativo",
                                      "Superlativo", "Assoluto", "Femminile", "Singolare"}));
    // "utile  ": a nominalised adjective skips the degree.
    EXPECT_EQ(analizza(f, 2, 7),
              (V{"Parte variabile", "Aggettivo", "Sostantivato", "Maschile", "Singolare"}));
    // "quasi": an adverb, invariable.
    EXPECT_EQ(analizza(f, 29, 2), (V{"Parte invariabile", "Avverbio  e locuzione avv."}));
}

TEST(Percorso, FirstQuestionSplitsTheVariableParts) {
    for (int p = 1; p <= 9; ++p) {
        EXPECT_EQ(primaRispostaGiusta(10, p), p <= 5) << p;
        EXPECT_EQ(primaRispostaGiusta(11, p), p >= 6) << p;
    }
    EXPECT_FALSE(primaRispostaGiusta(12, 3));
}

TEST(Percorso, WordByWordAndAdjectiveByAdjective) {
    const Frasi f = banca();
    for (int s = 0; s < 30; ++s) {
        const int n = f.numeroParole(s);
        EXPECT_EQ(primaParola(f, s, false), 1);
        // Every word in turn, then completion one past the last.
        int w = 1;
        for (int k = 1; k < n; ++k) {
            const auto a = finisciParola(f, s, w, false);
            EXPECT_FALSE(a.completata);
            EXPECT_EQ(a.nparola, w + 1);
            w = a.nparola;
        }
        EXPECT_TRUE(finisciParola(f, s, w, false).completata);

        // Adjectives only: visits exactly the adjectives, in order, never past n.
        std::vector<int> attesi, visti;
        for (int i = 1; i <= n; ++i)
            if (f.chiave(Domanda::parte, s, i) == 3) attesi.push_back(i);
        w = primaParola(f, s, true);
        visti.push_back(w);
        for (;;) {
            const auto a = finisciParola(f, s, w, true);
            EXPECT_LE(a.nparola, n);
            if (a.completata) break;
            visti.push_back(a.nparola);
            w = a.nparola;
        }
        EXPECT_EQ(visti, attesi) << "sentence " << s;
    }
}

TEST(Percorso, TheTreeTableIsComplete) {
    // Every question is reached only through its own key column, and every
    // button leads somewhere that exists.
    for (const DescrizioneDomanda& d : tutteLeDomande()) {
        EXPECT_GE(d.colonna, 1);
        EXPECT_LE(d.colonna, 10);
        for (const Bottone& b : d.bottoni) {
            EXPECT_FALSE(b.didascalia.empty());
            EXPECT_FALSE(b.traccia.empty());
        }
    }
    EXPECT_EQ(domanda(Domanda::determinativo).bottoni[5].traccia, "esclamativo");
    EXPECT_EQ(domanda(Domanda::determinativo).bottoni[5].didascalia, "!  Esclamativo");
    EXPECT_EQ(domanda(Domanda::superlativo).bottoni[0].traccia, "Assoluto");
    EXPECT_EQ(invariabile.didascalia, "PARTE  INVARIABILE");
}

} // namespace
