#include "core/audio.h"
#include "core/statistiche.h"
#include "core/valore.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

namespace {

TEST(Statistiche, PercentageIsTruncatedAndExact) {
    EXPECT_EQ(percentualeErrori(1, 3), 33);
    EXPECT_EQ(percentualeErrori(2, 3), 66);
    EXPECT_EQ(percentualeErrori(1, 8), 12);
    EXPECT_EQ(percentualeErrori(0, 5), 0);
    EXPECT_EQ(percentualeErrori(3, 3), 100);
    // 29 / 50 * 100 is 57.999... in binary floating point; the right figure is 58.
    EXPECT_EQ(percentualeErrori(29, 50), 58);
    for (int n = 1; n <= 200; ++n)
        for (int e = 0; e <= n; ++e)
            ASSERT_EQ(percentualeErrori(e, n), 100 * e / n) << e << "/" << n;
    EXPECT_EQ(percentualeErrori(INT_MAX, INT_MAX), 100);
    EXPECT_EQ(percentualeErrori(0, 0), 0);
}

TEST(Statistiche, LevelsByErrors) {
    EXPECT_EQ(livelloPerErrori(0), Livello::ottimo);
    EXPECT_EQ(livelloPerErrori(1), Livello::distinto);
    EXPECT_EQ(livelloPerErrori(2), Livello::buono);
    EXPECT_EQ(livelloPerErrori(3), Livello::sufficiente);
    EXPECT_EQ(livelloPerErrori(4), Livello::occorre);
    EXPECT_EQ(livelloPerErrori(20), Livello::occorre);
    EXPECT_EQ(datiLivello(Livello::ottimo)->nome, "OTTIMO");
    EXPECT_EQ(datiLivello(Livello::sufficiente)->nome, "SUFFICIENTE");
    EXPECT_EQ(datiLivello(Livello::occorre)->nome, "OCCORRE ESERCITARSI");
    EXPECT_EQ(datiLivello(Livello::distinto)->risultato, "distinto!! ");
    EXPECT_EQ(datiLivello(Livello::distinto)->colore, (Rgb{0, 192, 0}));
    EXPECT_EQ(datiLivello(Livello::soloClassifica), nullptr);
    EXPECT_EQ(datiLivello(Livello::nessuno), nullptr);
}

TEST(Statistiche, RecordIsCutToTenthsThenRoundedHalfToEven) {
    EXPECT_EQ(arrotondaRecord(123.47), 123);
    EXPECT_EQ(arrotondaRecord(123.96), 124);
    EXPECT_EQ(arrotondaRecord(122.54), 122);
    EXPECT_EQ(arrotondaRecord(123.54), 124);
    EXPECT_EQ(arrotondaRecord(150.3), 150);
    EXPECT_EQ(arrotondaRecord(149.6), 150);
    EXPECT_EQ(arrotondaRecord(0.5), 0);
    EXPECT_EQ(arrotondaRecord(1.5), 2);
    EXPECT_EQ(arrotondaRecord(-3), 0);
}

TEST(Valore, UnsetReadsAsZeroAndEmpty) {
    Valore v;
    EXPECT_FALSE(v.impostato());
    EXPECT_EQ(v.intero(), 0);
    EXPECT_EQ(v.testo(), "");
    EXPECT_TRUE(v == 0);
    EXPECT_EQ(v + 1, 1);
    ++v;
    EXPECT_EQ(v.testo(), "1");
    Valore zero = 0;
    EXPECT_TRUE(zero.impostato());
    EXPECT_EQ(zero.testo(), "0");
    Valore tempo = 12.75;
    EXPECT_DOUBLE_EQ(tempo.reale(), 12.75);
    Valore pieno = INT_MAX;
    ++pieno; // a counter saturates instead of overflowing
    EXPECT_EQ(pieno.intero(), INT_MAX);
}

struct Registro : Lettore {
    void riproduci(Suono s) override { nomi.emplace_back(nome(s)); }
    std::vector<std::string> nomi;
};
struct Sequenza : Casuale {
    void rimescola() override { ++rimescolate; }
    double uniforme() override { return valori[i++ % valori.size()]; }
    std::vector<double> valori;
    std::size_t i = 0;
    int rimescolate = 0;
};

TEST(Audio, CheersAreChosenAtRandomAfterAReseed) {
    Registro r;
    Sequenza c;
    c.valori = {0.0, 0.2, 0.4, 0.6, 0.8, 0.999999, 0.19999};
    Audio a(r, c);
    for (int i = 0; i < 7; ++i) a.suonaesatto();
    EXPECT_EQ(r.nomi, (std::vector<std::string>{"esatto", "esatto2", "esatto3", "esatto4",
                                                "esatto5", "esatto5", "esatto"}));
    EXPECT_EQ(c.rimescolate, 7);
    a.suona(Suono::premivia);
    EXPECT_EQ(r.nomi.back(), "premivia");
}

} // namespace
