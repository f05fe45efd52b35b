#include "colonne.h"
#include "core/compositore.h"
#include "core/frasi.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

std::vector<std::string> testi(const Compositore& c) {
    std::vector<std::string> v;
    for (int g = 0; g < c.numeroGruppi(); ++g) v.push_back(c.testo(g));
    return v;
}

using V = std::vector<std::string>;

TEST(Compositore, CutsAtSpacesKeepingPunctuationAndJoinsAndSplitsGroups) {
    Compositore c;
    c.impostaFrase("  La mia  macchina\tè meno grande della tua.\n");
    EXPECT_EQ(testi(c),
              (V{"La ", "mia ", "macchina ", "è ", "meno ", "grande ", "della ", "tua. "}));
    EXPECT_EQ(c.testoFrase(), "La mia macchina è meno grande della tua.");
    EXPECT_TRUE(c.unisci(4));
    EXPECT_EQ(c.testo(4), "meno grande ");
    EXPECT_EQ(c.numeroGruppi(), 7);
    EXPECT_TRUE(c.unisci(c.corrente())); // the joined group stays selected
    EXPECT_EQ(c.testo(4), "meno grande della ");
    EXPECT_FALSE(c.unisci(6)); // nothing after the last group
    EXPECT_TRUE(c.dividi(4));
    EXPECT_EQ(testi(c),
              (V{"La ", "mia ", "macchina ", "è ", "meno ", "grande ", "della ", "tua. "}));
    EXPECT_EQ(c.corrente(), 4);
    EXPECT_FALSE(c.dividi(0)); // a single word
    c.seleziona(0);
    EXPECT_TRUE(c.impostaTesto(7, "tua."));
    EXPECT_EQ(c.testo(7), "tua.");
    EXPECT_FALSE(c.impostaTesto(7, "   "));
    EXPECT_EQ(c.testo(7), "tua.");
    // Joining discards what the two groups had.
    c.rispondiPrima(true);
    c.rispondi(Domanda::parte, 1);
    EXPECT_TRUE(c.finito(0));
    c.unisci(0);
    EXPECT_FALSE(c.finito(0));
    EXPECT_EQ(c.testo(0), "La mia ");
}

// A typo fixed and the sentence cut again: what the teacher did on the words
// that stayed is kept.
TEST(Compositore, CuttingAgainKeepsTheGroupsWhoseWordsStayed) {
    struct Caso {
        const char* nuova;
        V gruppi;
        std::vector<bool> finiti;
        int perse;
    };
    const Caso casi[] = {
        {"Il Monte Rosa è alto.", {"Il ", "Monte Rosa ", "è", "alto. "}, {1, 1, 1, 1}, 0},
        {"Il  Monte Rosa è altissimo.",
         {"Il ", "Monte Rosa ", "è", "altissimo. "},
         {1, 1, 1, 0},
         1},
        {"Il Monte Bianco Rosa è alto.",
         {"Il ", "Monte ", "Bianco ", "Rosa ", "è", "alto. "},
         {1, 0, 0, 0, 1, 1},
         1},
        {"Ora il Monte Rosa è alto.",
         {"Ora ", "il ", "Monte Rosa ", "è", "alto. "},
         {0, 0, 1, 1, 1},
         1},
        {"è alto. Il Monte Rosa", {"è ", "alto. ", "Il ", "Monte Rosa "}, {0, 0, 1, 1}, 2},
    };
    for (const Caso& k : casi) {
        Compositore c;
        c.impostaFrase("Il Monte Rosa è alto.");
        c.unisci(1);
        c.impostaTesto(2, "è"); // an exact text stays with its group
        for (int g = 0; g < 4; ++g) {
            c.seleziona(g);
            c.rispondiPrima(true);
            c.rispondi(Domanda::parte, std::array{1, 2, 5, 2}[static_cast<std::size_t>(g)]);
        }
        ASSERT_TRUE(c.completa());
        EXPECT_EQ(c.confronta(k.nuova).perse, k.perse) << k.nuova;
        ASSERT_TRUE(c.ritaglia(k.nuova));
        EXPECT_EQ(testi(c), k.gruppi) << k.nuova;
        for (std::size_t g = 0; g < k.finiti.size(); ++g)
            EXPECT_EQ(c.finito(static_cast<int>(g)), k.finiti[g]) << k.nuova << " " << g;
        EXPECT_EQ(c.analizzati(), 4 - k.perse) << k.nuova;
    }
    // Too many groups: refused, nothing changed; joined groups count once.
    Compositore c;
    std::string lunga;
    for (int i = 0; i < 22; ++i) lunga += "parola ";
    ASSERT_TRUE(c.ritaglia(lunga));
    EXPECT_FALSE(c.ritaglia(lunga + "ultima"));
    EXPECT_EQ(c.numeroGruppi(), 22);
    c.unisci(0);
    EXPECT_TRUE(c.ritaglia(lunga + "ultima"));
    EXPECT_EQ(c.testo(21), "ultima ");
}

TEST(Compositore, TheTreeDecidesEveryQuestionAndRefusesAnswersItDoesNotAsk) {
    Compositore c;
    c.impostaFrase("meno grande");
    c.unisci(0);
    EXPECT_EQ(c.aperta().tipo, Compositore::Aperta::prima);
    EXPECT_FALSE(c.rispondi(Domanda::parte, 3)); // the first question comes first
    EXPECT_TRUE(c.rispondiPrima(false));
    EXPECT_FALSE(c.rispondi(Domanda::parte, 3)); // an adjective is not invariable
    EXPECT_TRUE(c.indietro());
    EXPECT_TRUE(c.rispondiPrima(true));
    EXPECT_EQ(c.aperta().ultimaParte, 5);
    EXPECT_TRUE(c.rispondi(Domanda::parte, 3));
    EXPECT_FALSE(c.rispondi(Domanda::grado, 2)); // the kind comes before the degree
    EXPECT_TRUE(c.rispondi(Domanda::tipo, 1));
    EXPECT_TRUE(c.rispondi(Domanda::grado, 2));
    EXPECT_EQ(c.aperta().d, Domanda::comparativo);
    EXPECT_TRUE(c.rispondi(Domanda::comparativo, 1));
    EXPECT_EQ(c.aperta().d, Domanda::genere);
    EXPECT_EQ(c.aperta().tipo, Compositore::Aperta::domanda);
    EXPECT_FALSE(c.salta()); // a qualifying adjective's gender is not optional
    EXPECT_TRUE(c.rispondi(Domanda::genere, 2));
    EXPECT_TRUE(c.rispondi(Domanda::numero, 1));
    EXPECT_TRUE(c.completa());
    EXPECT_EQ(c.chiave(0), (Chiave{3, 1, 2, 0, 1, 0, 0, 0, 2, 1}));
    std::vector<std::string> t;
    for (const auto& v : c.traccia(0)) t.emplace_back(v.testo);
    EXPECT_EQ(t, (V{"Parte variabile", "Aggettivo", "Qualificativo", "Comparativo", "di minoranza",
                    "Femminile", "Singolare"}));
}

TEST(Compositore, NumeralsAndIndefinitesMayOrMayNotHaveAGender) {
    Compositore c;
    c.impostaFrase("due doppie ogni molte");
    for (int g = 0; g < 4; ++g) {
        c.rispondiPrima(true);
        c.rispondi(Domanda::parte, 3);
        c.rispondi(Domanda::tipo, 2);
        if (g < 2) {
            c.rispondi(Domanda::determinativo, 4);
            c.rispondi(Domanda::numerale, g == 0 ? 1 : 3);
        } else {
            c.rispondi(Domanda::determinativo, 3);
        }
        EXPECT_EQ(c.aperta().tipo, Compositore::Aperta::facoltativa) << g;
        if (g % 2 == 0) {
            EXPECT_TRUE(c.salta());
        } else {
            EXPECT_TRUE(c.rispondi(Domanda::genere, 2));
            EXPECT_FALSE(c.salta()); // once a gender is given, the number is due
            EXPECT_TRUE(c.rispondi(Domanda::numero, 2));
        }
    }
    EXPECT_TRUE(c.completa());
    EXPECT_EQ(c.chiave(0), (Chiave{3, 2, 0, 4, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(c.chiave(1), (Chiave{3, 2, 0, 4, 0, 0, 0, 3, 2, 2}));
    EXPECT_EQ(c.chiave(2), (Chiave{3, 2, 0, 3, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(c.chiave(3), (Chiave{3, 2, 0, 3, 0, 0, 0, 0, 2, 2}));
}

TEST(Compositore, StepsBackAcrossGroupsAndReopensAnyGroup) {
    Compositore c;
    c.impostaFrase("Il cane");
    EXPECT_FALSE(c.indietro()); // nothing yet
    c.rispondiPrima(true);
    c.rispondi(Domanda::parte, 1);
    EXPECT_EQ(c.corrente(), 1);
    EXPECT_TRUE(c.indietro()); // back into the article
    EXPECT_EQ(c.corrente(), 0);
    EXPECT_EQ(c.aperta().d, Domanda::parte);
    c.rispondi(Domanda::parte, 1);
    c.rispondiPrima(true);
    c.rispondi(Domanda::parte, 2);
    EXPECT_TRUE(c.completa());
    c.riapri(0);
    EXPECT_FALSE(c.completa());
    EXPECT_EQ(c.corrente(), 0);
    EXPECT_EQ(c.aperta().tipo, Compositore::Aperta::prima);
    EXPECT_TRUE(c.finito(1));
    // Finishing the last group goes back to an earlier one still to classify.
    c.impostaFrase("Il cane");
    c.seleziona(1);
    c.rispondiPrima(true);
    c.rispondi(Domanda::parte, 2);
    EXPECT_EQ(c.corrente(), 0);
}

// Every built-in sentence can be written again from its key: the groups by
// joining words, the exact spacing where it differs from one space, then the
// answers the key gives.
TEST(Compositore, EveryBuiltInSentenceCanBeWrittenAgain) {
    Frasi banca;
    banca.riempi();
    for (int s = 0; s < banca.numeroFrasi(); ++s) {
        std::vector<Parola> celle;
        std::string detta;
        for (int w = 1; w < Frasi::maxParole && banca.chiave(Domanda::parte, s, w) != 0; ++w) {
            celle.push_back({banca.testo(s, w), {}});
            for (int k = 1; k <= 10; ++k)
                celle.back().chiave[static_cast<std::size_t>(k - 1)] =
                    static_cast<std::int8_t>(banca.chiave(k, s, w));
            detta += banca.testo(s, w) + ' ';
        }
        Compositore c;
        c.impostaFrase(detta);
        for (std::size_t g = 0; g < celle.size(); ++g) {
            Compositore solo;
            solo.impostaFrase(celle[g].testo);
            for (int k = 1; k < solo.numeroGruppi(); ++k) c.unisci(static_cast<int>(g));
            if (c.testo(static_cast<int>(g)) != celle[g].testo)
                c.impostaTesto(static_cast<int>(g), celle[g].testo);
        }
        ASSERT_EQ(c.numeroGruppi(), static_cast<int>(celle.size())) << s;
        c.seleziona(0);
        for (const Parola& p : celle) {
            const Chiave& k = p.chiave;
            c.rispondiPrima(k[0] < 6);
            for (int passi = 0;
                 passi < 12 && c.aperta(c.corrente()).tipo != Compositore::Aperta::prima &&
                 !c.completa();
                 ++passi) {
                const auto a = c.aperta();
                const int risposta = k[static_cast<std::size_t>(colonnaDi(a.d) - 1)];
                if (a.tipo == Compositore::Aperta::facoltativa && risposta == 0)
                    ASSERT_TRUE(c.salta());
                else
                    ASSERT_TRUE(c.rispondi(a.d, risposta)) << s << " " << p.testo;
            }
        }
        ASSERT_TRUE(c.completa()) << s;
        const Frase f = c.frase();
        ASSERT_EQ(f.parole.size(), celle.size());
        for (std::size_t g = 0; g < celle.size(); ++g) {
            EXPECT_EQ(f.parole[g].testo, celle[g].testo) << s;
            EXPECT_EQ(f.parole[g].chiave, celle[g].chiave) << s << " " << celle[g].testo;
        }
    }
}

} // namespace
