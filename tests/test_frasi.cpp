#include "core/frasi.h"
#include "frasi_oracolo.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const Frasi& banca() {
    static const Frasi f = [] {
        Frasi x;
        x.riempi();
        return x;
    }();
    return f;
}

int parole(int s) {
    return banca().numeroParole(s);
}
std::array<int, 10> chiave(int s, int w) {
    std::array<int, 10> k{};
    for (int c = 1; c <= 10; ++c) k[static_cast<std::size_t>(c - 1)] = banca().chiave(c, s, w);
    return k;
}

// The three sentences given in full, cell by cell, as the bank held them before
// it became a file (the oracle the file is checked against, not a second copy).
TEST(Frasi, GivenSentencesByteForByte) {
    for (int s : {8, 10, 21}) {
        int w = 0;
        for (const CellaDati& d : datiFrasi()[static_cast<std::size_t>(s)]) {
            if (d.chiave[0] == 0) continue; // blank cells after the last word
            ++w;
            EXPECT_EQ(banca().testo(s, w), d.testo) << s << "/" << w;
            for (int c = 1; c <= 10; ++c)
                EXPECT_EQ(chiave(s, w)[static_cast<std::size_t>(c - 1)],
                          d.chiave[static_cast<std::size_t>(c - 1)])
                    << s << "/" << w << " column " << c;
        }
        EXPECT_EQ(parole(s), w) << "sentence " << s;
    }
}

// Words; then adjectives: positive, comparative, superlative, nominalised,
// possessive, demonstrative, indefinite, numeral, interrogative, exclamative.
constexpr std::array<std::array<int, 11>, 30> profilo = {{
    {11, 0, 2, 0, 0, 0, 1, 0, 0, 0, 0}, {16, 1, 0, 0, 1, 0, 0, 1, 1, 0, 0},
    {9, 0, 0, 0, 2, 0, 1, 0, 0, 0, 0},  {15, 0, 0, 0, 3, 0, 0, 1, 0, 0, 0},
    {19, 1, 0, 2, 0, 1, 0, 0, 0, 0, 0}, {21, 3, 1, 1, 0, 0, 0, 1, 0, 0, 0},
    {14, 1, 0, 0, 0, 0, 1, 2, 0, 0, 0}, {22, 2, 0, 0, 0, 0, 1, 0, 2, 0, 0},
    {21, 1, 0, 1, 0, 1, 1, 0, 1, 0, 0}, {22, 2, 0, 0, 0, 0, 0, 0, 3, 0, 0},
    {18, 0, 0, 2, 0, 1, 2, 0, 0, 0, 0}, {16, 0, 2, 0, 0, 1, 0, 0, 0, 0, 0},
    {16, 0, 2, 0, 0, 2, 1, 0, 0, 0, 0}, {12, 0, 0, 2, 0, 0, 1, 0, 0, 0, 0},
    {20, 0, 0, 2, 0, 1, 0, 2, 0, 0, 0}, {19, 1, 0, 0, 0, 2, 1, 0, 0, 1, 0},
    {11, 0, 0, 0, 0, 1, 0, 0, 0, 2, 0}, {20, 0, 0, 1, 0, 0, 0, 0, 0, 0, 2},
    {17, 2, 0, 1, 0, 0, 0, 1, 0, 0, 1}, {17, 2, 0, 1, 0, 1, 0, 1, 0, 0, 0},
    {20, 2, 0, 2, 0, 0, 1, 0, 0, 0, 0}, {12, 0, 2, 0, 0, 1, 0, 0, 0, 0, 0},
    {18, 1, 1, 1, 0, 1, 0, 1, 0, 0, 0}, {22, 1, 1, 0, 0, 0, 0, 3, 0, 0, 0},
    {15, 0, 1, 0, 0, 0, 0, 1, 1, 0, 0}, {21, 1, 0, 0, 0, 0, 0, 0, 3, 0, 0},
    {15, 2, 0, 0, 0, 0, 0, 0, 1, 0, 0}, {13, 0, 0, 0, 0, 1, 0, 2, 0, 0, 0},
    {18, 0, 0, 0, 0, 0, 0, 2, 0, 1, 0}, {17, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0},
}};

TEST(Frasi, EverySentenceMatchesItsProfileAndTheTotals) {
    ASSERT_EQ(banca().numeroFrasi(), 30);
    std::array<int, 10> perParte{};
    int totale = 0, qualificativi = 0, determinativi = 0, sostantivati = 0;
    for (int s = 0; s < 30; ++s) {
        std::array<int, 11> p{};
        p[0] = parole(s);
        for (int w = 1; w <= parole(s); ++w) {
            const auto k = chiave(s, w);
            ++perParte[static_cast<std::size_t>(k[0])];
            if (k[0] != 3) continue;
            if (k[1] == 1) ++qualificativi, ++p[static_cast<std::size_t>(k[2])];
            if (k[1] == 3) ++sostantivati, ++p[4];
            if (k[1] == 2) ++determinativi, ++p[static_cast<std::size_t>(4 + k[3])];
        }
        totale += p[0];
        EXPECT_EQ(p, profilo[static_cast<std::size_t>(s)]) << "sentence " << s;
    }
    EXPECT_EQ(totale, 507);
    EXPECT_EQ(perParte, (std::array<int, 10>{0, 49, 124, 122, 35, 75, 5, 67, 30, 0}));
    EXPECT_EQ(qualificativi, 51);
    EXPECT_EQ(determinativi, 65);
    EXPECT_EQ(sostantivati, 6);
}

std::string parolaNuda(std::string t) {
    while (!t.empty() &&
           (t.back() == ' ' || std::string(".,;:!?").find(t.back()) != std::string::npos))
        t.pop_back();
    while (!t.empty() && t.front() == ' ') t.erase(t.begin());
    for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return t;
}

TEST(Frasi, RulesThatHoldOverTheData) {
    const std::set<std::string> invariabili = {"ogni", "qualche", "due",
                                               "tre",  "metà",    "uno alla volta"};
    const std::set<std::string> conSpazio = {" Questo", " quaderno", " è ", " vallate  ",
                                             " tessitrice "};
    for (int s = 0; s < 30; ++s) {
        const int n = parole(s);
        EXPECT_GE(n, 9);
        EXPECT_LE(n, 22);
        bool haAggettivo = false;
        for (int w = 1; w <= n; ++w) {
            const auto k = chiave(s, w);
            const std::string t = banca().testo(s, w);
            SCOPED_TRACE(testing::Message()
                         << "sentence " << s << " word " << w << " '" << t << "'");
            // 1: every word has a part of speech.
            EXPECT_GE(k[0], 1);
            EXPECT_LE(k[0], 9);
            EXPECT_FALSE(t.empty());
            if (t.front() == ' ') {
                EXPECT_TRUE(conSpazio.count(t));
            }
            // 2: the adjective columns belong to adjectives only.
            if (k[0] != 3) {
                for (std::size_t c = 1; c < 10; ++c) EXPECT_EQ(k[c], 0);
                continue;
            }
            haAggettivo = true;
            // 3: the columns of the adjective's kind hold answers, the others 0.
            const int tipo = k[1], grado = k[2], det = k[3], comp = k[4], sup = k[5], pers = k[6],
                      num = k[7];
            ASSERT_TRUE(tipo >= 1 && tipo <= 3);
            EXPECT_EQ(grado != 0, tipo == 1);
            EXPECT_EQ(det != 0, tipo == 2);
            if (tipo == 1) {
                EXPECT_TRUE(grado >= 1 && grado <= 3);
            }
            EXPECT_EQ(comp != 0, grado == 2);
            EXPECT_EQ(sup != 0, grado == 3);
            EXPECT_TRUE(comp >= 0 && comp <= 3 && sup >= 0 && sup <= 3);
            if (tipo == 2) {
                EXPECT_TRUE(det >= 1 && det <= 6);
            }
            EXPECT_EQ(pers != 0, det == 1);
            EXPECT_EQ(num != 0, det == 4);
            EXPECT_TRUE(pers >= 0 && pers <= 3 && num >= 0 && num <= 6);
            // 4: gender and number are 0 exactly for the invariable words.
            const bool inv = invariabili.count(parolaNuda(t)) > 0;
            if (inv) {
                EXPECT_EQ(k[8], 0);
                EXPECT_EQ(k[9], 0);
                EXPECT_TRUE(det == 3 || det == 4);
            } else {
                EXPECT_TRUE(k[8] == 1 || k[8] == 2);
                EXPECT_TRUE(k[9] == 1 || k[9] == 2);
            }
        }
        EXPECT_TRUE(haAggettivo) << "sentence " << s;
    }
}

TEST(Frasi, FillerCellsAndEmptyCells) {
    const std::map<int, std::map<int, std::string>> riempitivi = {
        {5, {{22, "    "}}},
        {8, {{22, "   "}}},
        {22, {{19, "  "}, {20, "   "}, {21, "    "}, {22, "    "}}},
        {25, {{22, "    "}}},
    };
    for (int s = 0; s < 30; ++s) {
        for (int w = parole(s) + 1; w <= 22; ++w) {
            std::string atteso;
            if (auto it = riempitivi.find(s); it != riempitivi.end())
                if (auto jt = it->second.find(w); jt != it->second.end()) atteso = jt->second;
            EXPECT_EQ(banca().testo(s, w), atteso) << s << "/" << w;
            EXPECT_EQ(chiave(s, w), (std::array<int, 10>{})) << s << "/" << w;
        }
        EXPECT_EQ(banca().testo(s, 0), "");
        for (int c = 2; c <= 10; ++c) EXPECT_EQ(banca().chiave(c, s, 0), 0);
    }
    // Beyond the sentences in use the bank reads as empty.
    EXPECT_EQ(banca().numeroParole(30), 0);
    EXPECT_EQ(banca().testo(100, 22), "");
}

TEST(Frasi, CellsQuotedAsFromTheData) {
    EXPECT_EQ(banca().testo(0, 1), " Questo");
    EXPECT_EQ(banca().testo(1, 2), "due  ");
    EXPECT_EQ(chiave(1, 2), (std::array<int, 10>{3, 2, 0, 4, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(banca().testo(1, 10), "ogni   ");
    EXPECT_EQ(chiave(1, 10), (std::array<int, 10>{3, 2, 0, 3, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(parole(2), 9);
    EXPECT_EQ(banca().testo(29, 2), "quasi");
    EXPECT_EQ(banca().chiave(Domanda::parte, 29, 2), 6);
    for (int s : {7, 9, 23}) EXPECT_EQ(parole(s), 22);

    // Text, then the key prefix it must carry somewhere in the bank.
    struct Citata {
        std::string testo;
        std::vector<int> k;
        int frase = -1;
    };
    const std::vector<Citata> citate = {
        {"tuo,", {4}, 0},
        {"ma", {8}, 0},
        {"utile  ", {3, 3}, 2},
        {"dilettevole.  ", {3, 3}, 2},
        {"violenta  ", {3, 1}},
        {"buona    ", {3, 1, 1}},
        {"meno ordinato ", {3, 1, 2, 0, 1}},
        {"più ricco ", {3, 1, 2, 0, 3}},
        {"brava quanto     ", {3, 1, 2, 0, 2}},
        {"il più fortunato  ", {3, 1, 3, 0, 0, 2}},
        {"molto suggestive   ", {3, 1, 3, 0, 0, 1}},
        {"(i)più belli,    ", {3, 1, 3, 0, 0, 2}},
        {"uno alla volta,  ", {3, 2, 0, 4, 0, 0, 0, 6, 0, 0}},
        {"rispetto a    ", {7}},
        {"quanto prima", {6}},
        {"fa sperare", {5}},
        {"Sono state dette   ", {5}},
        {"Monte Rosa  ", {2}},
        {"Monte Bianco,   ", {2}},
        {"comperar-   ", {5}},
        {"mi   ", {4}},
        {"avevano sospeso  ", {5}},
        {"si è fatto  ", {5}},
        {"dovranno essere rinnovati.     ", {5}},
        {"univa", {5}},
        {"che,  ", {4}},
        {"mai  ", {6}},
        {"Nella ", {7}},
        {"invece,     ", {8}},
        {"poiché  ", {8}},
        {"mia ", {3, 2, 0, 1, 0, 0, 1}},
        {"quel ", {3, 2, 0, 2}},
        {"quale  ", {3, 2, 0, 5}},
        {"Quanti  ", {3, 2, 0, 6}},
        {"Che  ", {3, 2, 0, 6}},
        {"meno alto    ", {3, 1, 2, 0, 1}},
        {"minor  ", {3, 1, 2, 0, 1}},
        {"più alto    ", {3, 1, 2, 0, 3}},
        {"migliore.  ", {3, 1, 2, 0, 3}},
        {"molto cattivo ", {3, 1, 3, 0, 0, 1}},
        {"la più bella  ", {3, 1, 3, 0, 0, 2}},
        {"il meno impegnato", {3, 1, 3, 0, 0, 3}},
        {"Tua   ", {3, 2, 0, 1, 0, 0, 2}},
        {"tuoi  ", {3, 2, 0, 1, 0, 0, 2}},
        {"suo  ", {3, 2, 0, 1, 0, 0, 3}},
        {"sua  ", {3, 2, 0, 1, 0, 0, 3}},
        {"tre    ", {3, 2, 0, 4, 0, 0, 0, 1, 0, 0}},
        {"ventesimo  ", {3, 2, 0, 4, 0, 0, 0, 2}},
        {"doppie  ", {3, 2, 0, 4, 0, 0, 0, 3}},
        {"mezzo   ", {3, 2, 0, 4, 0, 0, 0, 4}},
        {"metà ", {3, 2, 0, 4, 0, 0, 0, 4, 0, 0}},
        {"entrambe    ", {3, 2, 0, 4, 0, 0, 0, 5}},
        {"qualche", {3, 2, 0, 3, 0, 0, 0, 0, 0, 0}},
        {"posizione;    ", {2}},
        {"informazioni. ", {2}},
        {"finestre!  ", {2}},
        {"Il   ", {1}},
        {"E'   ", {5}},
        {"l' ", {1}},
        {"L'   ", {1}},
        {" quaderno", {2}},
        {" è ", {5}},
        {" vallate  ", {2}},
        {" tessitrice ", {2}},
    };
    for (const Citata& c : citate) {
        bool trovata = false;
        for (int s = 0; s < 30 && !trovata; ++s) {
            if (c.frase >= 0 && s != c.frase) continue;
            for (int w = 1; w <= parole(s) && !trovata; ++w) {
                if (banca().testo(s, w) != c.testo) continue;
                const auto k = chiave(s, w);
                trovata = std::equal(c.k.begin(), c.k.end(), k.begin());
            }
        }
        EXPECT_TRUE(trovata) << "'" << c.testo << "' with its key";
    }
}

TEST(FrasiDeathTest, OutOfRangeReadsAreCaught) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(banca().testo(101, 0), "check failed");
    EXPECT_DEATH(banca().chiave(Domanda::parte, 0, 23), "check failed");
    EXPECT_DEATH(banca().chiave(11, 0, 0), "check failed");
    EXPECT_DEATH(banca().numeroParole(-1), "check failed");
}

} // namespace
