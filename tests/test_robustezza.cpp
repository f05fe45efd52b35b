// Random input to the sentence-file parser: never a crash, a hang, or a
// sentence loaded in part. Run under the sanitizers by `make test`.
#include "core/formato.h"
#include "core/incorporate.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Lines as any editor shows them: ended by LF, CR LF or a lone CR.
std::vector<std::string_view> righe(std::string_view s) {
    std::vector<std::string_view> r;
    std::size_t inizio = 0;
    while (inizio < s.size()) {
        std::size_t fine = inizio;
        while (fine < s.size() && s[fine] != '\n' && s[fine] != '\r') ++fine;
        r.push_back(s.substr(inizio, fine - inizio));
        inizio = fine + (s.substr(fine, 2) == "\r\n" ? 2 : 1);
    }
    return r;
}

std::string_view senzaSpazi(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool inizioFrase(std::string_view r) {
    r = senzaSpazi(r);
    if (r.size() < 5 || r.find('|') != std::string_view::npos) return false;
    for (std::size_t i = 0; i < 5; ++i)
        if (std::tolower(static_cast<unsigned char>(r[i])) != "frase"[i]) return false;
    return r.size() == 5 || !std::isalpha(static_cast<unsigned char>(r[5]));
}

// What the parser gave must hold for any input.
void controlla(std::string_view ingresso) {
    const Lettura l = leggiFrasi(ingresso);
    ASSERT_LE(l.problemi.size(), static_cast<std::size_t>(maxProblemi));
    // Nothing is left out unsaid, and a file without problems has sentences.
    if (l.scartate > 0) {
        ASSERT_GT(l.totaleProblemi(), 0);
    }
    if (l.totaleProblemi() == 0) {
        ASSERT_FALSE(l.frasi.empty());
    }
    std::string_view corpo = ingresso;
    if (corpo.starts_with("\xEF\xBB\xBF")) corpo.remove_prefix(3);
    const auto tutte = righe(corpo);
    for (const Frase& f : l.frasi) {
        ASSERT_GE(f.riga, 1);
        ASSERT_LE(static_cast<std::size_t>(f.riga), tutte.size());
        ASSERT_TRUE(inizioFrase(tutte[static_cast<std::size_t>(f.riga - 1)]));
        ASSERT_TRUE(erroriFrase(f).empty()) << erroriFrase(f).front();
        ASSERT_GE(f.parole.size(), 1u);
        ASSERT_LE(f.parole.size(), 22u);
        // Whole: every line up to the next sentence is one of its words.
        std::size_t parole = 0;
        for (std::size_t i = static_cast<std::size_t>(f.riga); i < tutte.size(); ++i) {
            if (inizioFrase(tutte[i])) break;
            const std::string_view r = senzaSpazi(tutte[i]);
            if (!r.empty() && r.front() != '#') ++parole;
        }
        ASSERT_EQ(parole, f.parole.size()) << "sentence at line " << f.riga;
    }
    // Written out again, they read back the same.
    const Lettura riletta = leggiFrasi(scriviFrasi(l.frasi));
    ASSERT_EQ(riletta.frasi.size(), l.frasi.size());
    for (std::size_t i = 0; i < l.frasi.size(); ++i)
        ASSERT_EQ(riletta.frasi[i].parole, l.frasi[i].parole);
}

const char* const speciali[] = {"|",     ",",  "\"",   "\n",          "\r\n", "#",
                                " ",     "\t", "\xC3", "\xA8",        "\xFF", "\xEF\xBB\xBF",
                                "frase", "",   "\x01", "\xE2\x80\x8B"};

char byteCasuale(std::mt19937_64& g) {
    return static_cast<char>(g() & 0xFF);
}

void muta(std::string& s, std::mt19937_64& g) {
    auto dove = [&] {
        return s.empty() ? std::size_t{0} : static_cast<std::size_t>(g() % s.size());
    };
    switch (g() % 8) {
    case 0: // a byte changed
        if (!s.empty()) s[dove()] = byteCasuale(g);
        break;
    case 1: { // a piece cut out
        const std::size_t i = dove();
        s.erase(i, static_cast<std::size_t>(g() % 40));
        break;
    }
    case 2: // something that means much to the format
        s.insert(dove(), speciali[g() % std::size(speciali)]);
        break;
    case 3: { // a line repeated elsewhere
        const std::size_t i = s.rfind('\n', dove());
        const std::size_t da = i == std::string::npos ? 0 : i + 1;
        const std::size_t a = s.find('\n', da);
        s.insert(dove(), s.substr(da, a == std::string::npos ? std::string::npos : a - da + 1));
        break;
    }
    case 4: // the end cut off
        s.resize(dove());
        break;
    case 5: { // a few random bytes
        std::string r(static_cast<std::size_t>(g() % 8), ' ');
        for (char& c : r) c = byteCasuale(g);
        s.insert(dove(), r);
        break;
    }
    case 6: { // a comma or a bar moved
        const std::size_t i = s.find_first_of(",|", dove());
        if (i != std::string::npos) s.erase(i, 1);
        s.insert(dove(), 1, g() % 2 ? ',' : '|');
        break;
    }
    default: // a letter's case changed
        if (!s.empty()) {
            char& c = s[dove()];
            if (std::isalpha(static_cast<unsigned char>(c))) c ^= 0x20;
        }
    }
}

TEST(Robustezza, MutationsOfTheBuiltInFile) {
    const std::string base(testoFrasiIncorporate());
    std::mt19937_64 g(20261208);
    for (int i = 0; i < 1500; ++i) {
        std::string s = base;
        const int quante = 1 + static_cast<int>(g() % 6);
        for (int k = 0; k < quante; ++k) muta(s, g);
        SCOPED_TRACE(i);
        controlla(s);
        if (HasFatalFailure()) return;
    }
}

TEST(Robustezza, MutationsOfSingleSentences) {
    const auto frasi = frasiIncorporate();
    std::mt19937_64 g(11);
    for (int i = 0; i < 20000; ++i) {
        std::string s =
            scriviFrasi(std::span(&frasi[static_cast<std::size_t>(g() % frasi.size())], 1));
        const int quante = 1 + static_cast<int>(g() % 3);
        for (int k = 0; k < quante; ++k) muta(s, g);
        SCOPED_TRACE(i);
        controlla(s);
        if (HasFatalFailure()) return;
    }
}

TEST(Robustezza, RandomBytesAndRandomWordsOfTheFormat) {
    std::mt19937_64 g(7);
    const char* const parole[] = {"frase\n",
                                  "Aggettivo",
                                  "Qualificativo",
                                  "Determinativo",
                                  "Numerale",
                                  "Cardinale",
                                  "Indefinito",
                                  "Maschile",
                                  "Plurale",
                                  "riempitivo",
                                  "Nome",
                                  " | ",
                                  ", ",
                                  "\"",
                                  "\n",
                                  "cane ",
                                  "\"  \""};
    for (int i = 0; i < 10000; ++i) {
        std::string s;
        const std::size_t n = static_cast<std::size_t>(g() % 400);
        if (i % 2) {
            for (std::size_t k = 0; k < n; ++k) s += byteCasuale(g);
        } else {
            for (std::size_t k = 0; k < n / 4; ++k) s += parole[g() % std::size(parole)];
        }
        SCOPED_TRACE(i);
        controlla(s);
        if (HasFatalFailure()) return;
    }
}

TEST(Robustezza, LongLinesAndManySentencesStayBounded) {
    controlla(std::string(1 << 20, 'a'));
    controlla(std::string(1 << 20, '\n'));
    controlla(std::string(1 << 18, '"') + "|");
    std::string molte;
    for (int i = 0; i < 5000; ++i)
        molte += "frase\nbello | Aggettivo, Qualificativo, Positivo, Maschile, Singolare\n";
    const Lettura l = leggiFrasi(molte);
    EXPECT_EQ(l.frasi.size(), 5000u); // the bank's capacity is the loader's business
    EXPECT_TRUE(l.problemi.empty());
}

} // namespace
