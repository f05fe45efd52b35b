#include "core/formato.h"
#include "core/frasi.h"
#include "core/incorporate.h"
#include "core/nuovafrase.h"
#include "frasi_oracolo.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <set>

namespace {

// The tables as the program filled them from its C++ data, before the file.
struct Tabelle {
    std::string testo[Frasi::maxFrasi][Frasi::maxParole];
    int chiave[Frasi::maxFrasi][Frasi::maxParole][10] = {};
};

std::unique_ptr<Tabelle> tabelleDiPrima() {
    auto t = std::make_unique<Tabelle>();
    const auto frasi = datiFrasi();
    for (std::size_t s = 0; s < frasi.size(); ++s) {
        int parole = 0;
        int w = 1;
        for (const CellaDati& d : frasi[s]) {
            t->testo[s][w] = std::string(d.testo);
            for (int c = 0; c < 10; ++c) t->chiave[s][w][c] = d.chiave[static_cast<std::size_t>(c)];
            if (d.chiave[0] != 0) parole = w;
            ++w;
        }
        t->chiave[s][0][0] = parole;
    }
    return t;
}

TEST(Formato, EmbeddedFileFillsExactlyTheTablesOfBefore) {
    const Lettura l = leggiFrasi(testoFrasiIncorporate());
    for (const Problema& p : l.problemi) ADD_FAILURE() << formatta("frasi.txt", p);
    EXPECT_EQ(l.scartate, 0);
    ASSERT_EQ(l.frasi.size(), 30u);

    const auto prima = tabelleDiPrima();
    auto banca = std::make_unique<Frasi>();
    banca->riempi();
    EXPECT_EQ(banca->numeroFrasi(), 30);
    int diverse = 0;
    for (int s = 0; s < Frasi::maxFrasi; ++s)
        for (int w = 0; w < Frasi::maxParole; ++w) {
            if (banca->testo(s, w) != prima->testo[s][w]) {
                ++diverse;
                ADD_FAILURE() << s << "/" << w << " testo '" << banca->testo(s, w)
                              << "' instead of '" << prima->testo[s][w] << "'";
            }
            for (int c = 1; c <= 10; ++c)
                if (banca->chiave(c, s, w) != prima->chiave[s][w][c - 1]) {
                    ++diverse;
                    ADD_FAILURE() << s << "/" << w << " chiave" << c << " "
                                  << banca->chiave(c, s, w) << " instead of "
                                  << prima->chiave[s][w][c - 1];
                }
        }
    EXPECT_EQ(diverse, 0);
}

TEST(Formato, WritingThenReadingGivesBackEveryCell) {
    std::vector<Frase> frasi = frasiIncorporate();
    // Texts the built-in file does not hold: quotes, a bar, a hash, tabs-free odd spacing.
    Frase strana;
    for (const char* t : {"\"Ciao\",  ", "a|b ", "#uno ", "nessuno", "  due  spazi ", "è "})
        strana.parole.push_back({t, {2}});
    strana.parole.push_back({"bello ", {3, 1, 1, 0, 0, 0, 0, 0, 1, 1}});
    strana.parole.push_back({"", {}});
    frasi.push_back(strana);

    const std::string scritto = scriviFrasi(frasi);
    const Lettura l = leggiFrasi(scritto);
    for (const Problema& p : l.problemi) ADD_FAILURE() << formatta("scritto", p);
    ASSERT_EQ(l.frasi.size(), frasi.size());
    for (std::size_t i = 0; i < frasi.size(); ++i)
        EXPECT_EQ(l.frasi[i].parole, frasi[i].parole) << "sentence " << i;
    // The default spacing is written bare, exact spacing in quotes.
    EXPECT_NE(scritto.find("\nbello "), std::string::npos);
    EXPECT_NE(scritto.find("\n\"nessuno\""), std::string::npos);
    EXPECT_NE(scritto.find("\n\"\"\"Ciao\"\",  \""), std::string::npos);
    EXPECT_EQ(scriviTesto("mio "), "mio");
    EXPECT_EQ(scriviTesto("mio"), "\"mio\"");
    EXPECT_EQ(scriviTesto(" Questo"), "\" Questo\"");
}

std::string unaFrase(const std::string& righe) {
    return "frase\nIl | Articolo\n" + righe + "cane | Nome\n";
}

// Key of word `w` (1-based) of the only sentence of `file`, or a failure.
Chiave chiaveDi(const std::string& file, std::size_t w) {
    const Lettura l = leggiFrasi(file);
    for (const Problema& p : l.problemi) ADD_FAILURE() << p.riga << ": " << p.testo;
    if (l.frasi.size() != 1 || l.frasi[0].parole.size() < w) {
        ADD_FAILURE() << "sentence not loaded";
        return {};
    }
    return l.frasi[0].parole[w - 1].chiave;
}

TEST(Formato, ForgivingWhereItCostsNothing) {
    const Chiave comparativo{3, 1, 2, 0, 1, 0, 0, 0, 2, 1};
    for (const char* scritto : {
             "Aggettivo, Qualificativo, Comparativo, di minoranza, Femminile, Singolare",
             "aggettivo,qualificativo ,COMPARATIVO,  di   minoranza, femminile, singolare,",
             "Parte variabile, Aggettivo, Qualificativo, Comparativo, Comparativo di minoranza, "
             "Femminile, Singolare",
             "\tAggettivo, Qualificativo, Comparativo, di minoranza, Femminile, Singolare\t",
         })
        EXPECT_EQ(leggiClassificazione(scritto).chiave, comparativo) << scritto;
    // Thirty characters are thirty letters, accented ones too.
    EXPECT_EQ(leggiTesto("più precipitevolissimevolmente").errore, "");
    // Caption or trail text, with or without the locution part.
    for (const char* scritto :
         {"Avverbio", "avverbio e locuzione avv.", "Avverbio  e locuzione avv.",
          "Parte invariabile, Avverbio", "PARTE  INVARIABILE, avverbio"})
        EXPECT_EQ(leggiClassificazione(scritto).chiave, (Chiave{6})) << scritto;
    EXPECT_EQ(leggiClassificazione("Aggettivo, Qualificativo, Superlativo, Superlativo assoluto, "
                                   "Maschile, Plurale")
                  .chiave,
              (Chiave{3, 1, 3, 0, 0, 1, 0, 0, 1, 2}));
    EXPECT_EQ(
        leggiClassificazione("Aggettivo, Determinativo, !  Esclamativo, Maschile, Plurale").chiave,
        (Chiave{3, 2, 0, 6, 0, 0, 0, 0, 1, 2}));

    // A byte-order mark, CRLF line ends, comments, blank lines, tabs round the bar.
    const std::string file = "\xEF\xBB\xBF# commento\r\n\r\nFRASE 1: Il mio cane.\r\n"
                             "Il\t|\tArticolo\r\n  # dentro la frase\r\n"
                             "mio | Aggettivo, Determinativo, Possessivo, 1° persona, Maschile, "
                             "Singolare\r\n\"cane.\" | Nome";
    const Lettura l = leggiFrasi(file);
    EXPECT_TRUE(l.problemi.empty());
    ASSERT_EQ(l.frasi.size(), 1u);
    EXPECT_EQ(l.frasi[0].riga, 3);
    ASSERT_EQ(l.frasi[0].parole.size(), 3u);
    EXPECT_EQ(l.frasi[0].parole[0].testo, "Il ");
    EXPECT_EQ(l.frasi[0].parole[1].chiave, (Chiave{3, 2, 0, 1, 0, 0, 1, 0, 1, 1}));
    EXPECT_EQ(l.frasi[0].parole[2].testo, "cane.");

    // Old Mac line ends (a lone CR) are line ends too.
    std::string soloCr;
    for (std::size_t i = 0; i < file.size(); ++i)
        if (file.compare(i, 2, "\r\n") != 0) soloCr += file[i];
    const Lettura m = leggiFrasi(soloCr);
    EXPECT_TRUE(m.problemi.empty()) << m.problemi.front().testo;
    ASSERT_EQ(m.frasi.size(), 1u);
    EXPECT_EQ(m.frasi[0].riga, 3);
    EXPECT_EQ(m.frasi[0].parole, l.frasi[0].parole);
}

// A broken line of any length is quoted by its start only.
TEST(Formato, MessagesQuoteAShortExcerptOfALongLine) {
    const std::string lunga(900000, 'x');
    const Lettura l = leggiFrasi("frase\n" + lunga + " | Nome\ncane | " + lunga + "\n");
    ASSERT_EQ(l.problemi.size(), 2u);
    for (const Problema& p : l.problemi) {
        EXPECT_LT(p.testo.size(), 1000u);
        EXPECT_NE(p.testo.find("«" + std::string(60, 'x') + "…»"), std::string::npos) << p.testo;
    }
}

// "frase" opens a sentence only as a word of its own, and never on a line with a bar.
TEST(Formato, WhichLinesOpenASentence) {
    const std::pair<const char*, bool> casi[] = {
        {"frase", true},  {"FRASE: Il cane.", true}, {"Frase 12 - Il cane.", true},
        {"frase:", true}, {"frasetta", false},       {"Frasi", false},
        {"fras", false},  {"frase | Nome", false},   {"frase: a | b", false},
    };
    for (const auto& [riga, apre] : casi) EXPECT_EQ(rigaFrase(riga), apre) << riga;
    // A word "frase" in a sentence stays a word.
    const Lettura l = leggiFrasi("frase\nfrase | Nome\nbella | Aggettivo, Qualificativo, "
                                 "Positivo, Femminile, Singolare\n");
    ASSERT_EQ(l.frasi.size(), 1u);
    EXPECT_EQ(l.frasi[0].parole.size(), 2u);
}

// A sentence added to a file starts on a line of its own, even when the
// teacher's editor left no line end after the last line.
TEST(Formato, AppendingKeepsEveryByteAndStartsOnANewLine) {
    const Frase& f = frasiIncorporate()[0];
    const std::string nuova = scriviFrasi(std::span(&f, 1));
    EXPECT_EQ(accodaFrase("", f), nuova);
    EXPECT_EQ(accodaFrase("# mie\n", f), "# mie\n\n" + nuova);
    const std::string senzaCapo = scriviFrasi(std::span(&frasiIncorporate()[1], 1));
    const std::string tutto = accodaFrase(senzaCapo.substr(0, senzaCapo.size() - 1), f);
    EXPECT_EQ(tutto, senzaCapo + "\n" + nuova);
    EXPECT_EQ(leggiFrasi(tutto).frasi.size(), 2u);
}

TEST(Formato, InvariableAdjectivesAndNumerals) {
    // ogni: no gender or number; molti: both.
    EXPECT_EQ(chiaveDi(unaFrase("ogni | Aggettivo, Determinativo, Indefinito\n"), 2),
              (Chiave{3, 2, 0, 3}));
    EXPECT_EQ(chiaveDi(unaFrase("molti | Aggettivo, Determinativo, Indefinito, Maschile, "
                                "Plurale\n"),
                       2),
              (Chiave{3, 2, 0, 3, 0, 0, 0, 0, 1, 2}));
    // A numeral ends at its kind, or stores gender and number the tree never asks.
    EXPECT_EQ(chiaveDi(unaFrase("tre | Aggettivo, Determinativo, Numerale, Cardinale\n"), 2),
              (Chiave{3, 2, 0, 4, 0, 0, 0, 1}));
    EXPECT_EQ(chiaveDi(unaFrase("doppie | Aggettivo, Determinativo, Numerale, Moltiplicativo, "
                                "Femminile, Plurale\n"),
                       2),
              (Chiave{3, 2, 0, 4, 0, 0, 0, 3, 2, 2}));
    EXPECT_EQ(scriviClassificazione(Chiave{3, 2, 0, 4, 0, 0, 0, 3, 2, 2}),
              "Aggettivo, Determinativo, Numerale, Moltiplicativo, Femminile, Plurale");
    EXPECT_EQ(scriviClassificazione(Chiave{3, 2, 0, 3}), "Aggettivo, Determinativo, Indefinito");
    EXPECT_EQ(scriviClassificazione(Chiave{7}), "Preposizione");
}

// Every spelling a teacher may write, and the key it means: the buttons',
// the trail's, the correct ordinals, and the grammar books' full names.
TEST(Formato, TheSpellingsATeacherWrites) {
    const std::string possessivo = "Aggettivo, Determinativo, Possessivo, ";
    const std::string qualificativo = "Aggettivo, Qualificativo, ";
    struct Caso {
        std::string scritto;
        Chiave chiave;
    };
    const std::vector<Caso> casi = {
        {possessivo + "1° persona, Maschile, Singolare", {3, 2, 0, 1, 0, 0, 1, 0, 1, 1}},
        {possessivo + "1ª persona, Maschile, Singolare", {3, 2, 0, 1, 0, 0, 1, 0, 1, 1}},
        {possessivo + "1a persona, Maschile, Singolare", {3, 2, 0, 1, 0, 0, 1, 0, 1, 1}},
        {possessivo + "Prima persona, Maschile, Singolare", {3, 2, 0, 1, 0, 0, 1, 0, 1, 1}},
        {possessivo + "2ª persona, Femminile, Plurale", {3, 2, 0, 1, 0, 0, 2, 0, 2, 2}},
        {possessivo + "seconda persona, Femminile, Plurale", {3, 2, 0, 1, 0, 0, 2, 0, 2, 2}},
        {possessivo + "3A persona, Maschile, Plurale", {3, 2, 0, 1, 0, 0, 3, 0, 1, 2}},
        {possessivo + "terza persona, Maschile, Plurale", {3, 2, 0, 1, 0, 0, 3, 0, 1, 2}},
        {qualificativo + "Comparativo di maggioranza, Maschile, Singolare",
         {3, 1, 2, 0, 3, 0, 0, 0, 1, 1}},
        {qualificativo + "Comparativo, Comparativo di maggioranza, Maschile, Singolare",
         {3, 1, 2, 0, 3, 0, 0, 0, 1, 1}},
        {qualificativo + "comparativo di uguaglianza, Femminile, Singolare",
         {3, 1, 2, 0, 2, 0, 0, 0, 2, 1}},
        {qualificativo + "Superlativo relativo di maggioranza, Maschile, Singolare",
         {3, 1, 3, 0, 0, 2, 0, 0, 1, 1}},
        {qualificativo + "Superlativo, Superlativo relativo di minoranza, Femminile, Singolare",
         {3, 1, 3, 0, 0, 3, 0, 0, 2, 1}},
        {qualificativo + "Superlativo assoluto, Femminile, Singolare",
         {3, 1, 3, 0, 0, 1, 0, 0, 2, 1}},
        {qualificativo + "Sup. relativo di maggioranza, Maschile, Plurale",
         {3, 1, 3, 0, 0, 2, 0, 0, 1, 2}},
        {"Avverbio e locuzione avverbiale", {6}},
        {"Locuzione avverbiale", {6}},
        {"Preposizione e locuzione prepositiva", {7}},
        {"Congiunzione e locuzione congiuntiva", {8}},
        {"Esclamazione e locuzione esclamativa", {9}},
        {"Interiezione", {9}},
        {"Aggettivo, Determinativo, Esclamativo, Maschile, Plurale",
         {3, 2, 0, 6, 0, 0, 0, 0, 1, 2}},
    };
    for (const Caso& c : casi) {
        const Classificazione l = leggiClassificazione(c.scritto);
        EXPECT_EQ(l.errore, "") << c.scritto;
        EXPECT_EQ(l.chiave, c.chiave) << c.scritto;
    }
    // One form is written, the correct one, and the messages offer it first.
    EXPECT_EQ(scriviClassificazione({3, 2, 0, 1, 0, 0, 1, 0, 2, 1}),
              possessivo + "1ª persona, Femminile, Singolare");
    EXPECT_EQ(leggiClassificazione(possessivo + "1 persona").errore,
              "«1 persona» non va bene dopo «Possessivo»; le risposte possibili sono «1ª persona», "
              "«2ª persona», «3ª persona»");
    // A full name of the wrong degree is still refused.
    EXPECT_NE(leggiClassificazione(qualificativo + "Comparativo, Superlativo assoluto").errore, "");
}

// The sentence as a title: an elided word joins the next, an enclitic cut
// loses its hyphen; a truncation or an accent keeps its space.
TEST(Formato, TitlesJoinAnElisionToTheNextWord) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> casi = {
        {{"l' ", "utile "}, "l'utile"},
        {{"dell'    ", "automobile   "}, "dell'automobile"},
        {{"L'   ", "albergo ", "ha ", "un'  ", "ottima "}, "L'albergo ha un'ottima"},
        {{"comperar-   ", "mi   ", "quanto prima"}, "comperarmi quanto prima"},
        {{"l\u2019", "anno"}, "l\u2019anno"},
        {{"E'   ", "la "}, "E' la"},
        {{"un ", "po' ", "di "}, "un po' di"},
        {{"Nord- ", "Est"}, "Nord- Est"},
    };
    for (const auto& [parole, titolo] : casi) {
        Frase f;
        for (const std::string& p : parole) f.parole.push_back({p, {2}});
        EXPECT_EQ(testoFrase(f), titolo);
    }
    // The built-in file's titles are the program's own.
    const std::string file(testoFrasiIncorporate());
    std::size_t da = 0;
    for (const Frase& f : frasiIncorporate()) {
        da = file.find("\nfrase: ", da) + 8;
        EXPECT_EQ(file.substr(da, file.find('\n', da) - da), testoFrase(f));
    }
}

// A file written before the correct ordinals loads exactly as before.
TEST(Formato, FilesWrittenBeforeLoadUnchanged) {
    std::string prima(testoFrasiIncorporate());
    for (const char* n : {"1", "2", "3"})
        for (std::size_t p; (p = prima.find(std::string(n) + "ª persona")) != std::string::npos;)
            prima.replace(p, std::string(n).size() + 2, std::string(n) + "°");
    for (std::size_t p; (p = prima.find("Esclamativo,")) != std::string::npos;) prima[p] = 'e';
    ASSERT_EQ(prima.find("ª"), std::string::npos);
    const Lettura l = leggiFrasi(prima);
    EXPECT_TRUE(l.problemi.empty());
    ASSERT_EQ(l.frasi.size(), frasiIncorporate().size());
    for (std::size_t i = 0; i < l.frasi.size(); ++i)
        EXPECT_EQ(l.frasi[i].parole, frasiIncorporate()[i].parole) << "sentence " << i;
}

struct Sbaglio {
    std::string righe;    // the word lines of one sentence, after "Il | Articolo"
    int riga;             // line the problem must name
    std::string contiene; // part of the message
};

TEST(Formato, EveryMistakeNamesItsLineAndLeavesOnlyItsSentenceOut) {
    const std::string buona = "frase\nbello | Aggettivo, Qualificativo, Positivo, Maschile, "
                              "Singolare\n";
    const std::vector<Sbaglio> sbagli = {
        // Answers the tree does not allow there: the message lists the possible ones.
        {"mio | Aggettivo, Determinativo, Possesivo, 1° persona, Maschile, Singolare\n", 3,
         "«Possesivo» non va bene dopo «Determinativo»; le risposte possibili sono «Possessivo», "
         "«Dimostrativo», «Indefinito», «Numerale», «Interrogativo», «Esclamativo»"},
        {"cane | Nomi\n", 3, "«Nomi» non è una parte del discorso"},
        {"bello | Aggettivo, Positivo, Maschile, Singolare\n", 3,
         "«Positivo» non va bene dopo «Aggettivo»"},
        // Stopping early or going on past the end of the tree.
        {"bello | Aggettivo, Qualificativo, Positivo, Maschile\n", 3,
         "l'analisi è incompleta: dopo «Maschile» manca una risposta tra «Singolare», «Plurale»"},
        {"bello | Aggettivo, Qualificativo\n", 3, "dopo «Qualificativo» manca"},
        {"cane | Nome, Maschile, Singolare\n", 3,
         "l'analisi finisce dopo «Nome»: «Maschile» è di troppo"},
        {"tre | Aggettivo, Determinativo, Numerale, Cardinale, Plurale\n", 3,
         "«Plurale» non va bene dopo «Cardinale»: l'analisi finisce lì, oppure continua con "
         "«Maschile», «Femminile»"},
        {"tre | Aggettivo, Determinativo, Numerale, Cardinale, Maschile\n", 3,
         "manca una risposta"},
        {"ogni | Aggettivo, Determinativo, Indefinito, Femminile\n", 3, "manca una risposta"},
        {"bello | Parte invariabile, Aggettivo, Qualificativo, Positivo, Maschile, Singolare\n", 3,
         "«Aggettivo» non è una parte invariabile: correggi «Parte invariabile» o toglilo"},
        {"cane |\n", 3, "manca l'analisi"},
        {"cane | Parte variabile\n", 3, "manca la parte del discorso"},
        // The text.
        {"| Nome\n", 3, "manca il testo"},
        {"\"cane | Nome\n", 3, "manca la virgoletta"},
        {"\"cane\" x | Nome\n", 3, "dopo la virgoletta"},
        {"\"   \" | Nome\n", 3, "solo di spazi"},
        {"tanto precipitevolissimevolmente | Avverbio\n", 3,
         "il testo «tanto precipitevolissimevolmente» è troppo lungo per la finestra (32 "
         "caratteri; al massimo 30)"},
        {"\"cane" + std::string(41, ' ') + "\" | Nome\n", 3,
         "il testo ha troppi spazi (45 caratteri in tutto"},
        {"ca\x01ne | Nome\n", 3, "carattere di controllo"},
        {"ca\xE2\x80\x8Bne | Nome\n", 3, "carattere di controllo o invisibile"},
        {"perch\xE9 | Congiunzione\n", 3, "non è testo UTF-8"},
        {"cane Nome\n", 3, "riga non riconosciuta"},
        // Fillers.
        {"\"  \" | riempitivo\ncane | Nome\n", 3, "solo dopo l'ultima parola"},
        {"cane | riempitivo\n", 3, "solo spazi"},
    };
    for (const Sbaglio& s : sbagli) {
        const std::string file =
            buona + "frase\nIl | Articolo\n" + s.righe +
            "bello | Aggettivo, Qualificativo, Positivo, Maschile, Singolare\n" + buona;
        const Lettura l = leggiFrasi(file);
        SCOPED_TRACE(s.righe);
        ASSERT_EQ(l.problemi.size(), 1u);
        EXPECT_EQ(l.problemi[0].riga, s.riga + 2);
        EXPECT_NE(l.problemi[0].testo.find(s.contiene), std::string::npos) << l.problemi[0].testo;
        EXPECT_EQ(l.scartate, 1);
        ASSERT_EQ(l.frasi.size(), 2u);
        EXPECT_EQ(l.frasi[0].riga, 1);
        EXPECT_EQ(l.frasi[1].parole[0].testo, "bello ");
    }
}

TEST(Formato, SentenceRulesAreReportedAtTheSentenceLine) {
    std::string lunga = "# lunga\nfrase\n";
    for (int i = 0; i < 23; ++i)
        lunga += "bello | Aggettivo, Qualificativo, Positivo, Maschile, Singolare\n";
    struct Caso {
        std::string file;
        int riga;
        std::string contiene;
    };
    const std::vector<Caso> casi = {
        {lunga, 2, "la frase ha 23 righe di parole: al massimo 22"},
        {"frase\nIl | Articolo\ncane | Nome\n", 1, "la frase non ha aggettivi"},
        {"\n\nfrase: vuota\n# niente\n", 3, "la frase non ha parole"},
        {"frase\n\"  \" | riempitivo\n", 1, "la frase non ha parole"},
        {"Il | Articolo\nfrase\n", 1, "scrivi prima una riga «frase»"},
        {"", 0, "il file non contiene nessuna frase"},
        {"# solo commenti\n\n", 0, "il file non contiene nessuna frase"},
        {"\xFF\xFE"
         "f\0r\0",
         0, "UTF-16"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.file.substr(0, 40));
        const Lettura l = leggiFrasi(c.file);
        ASSERT_FALSE(l.problemi.empty());
        EXPECT_EQ(l.problemi[0].riga, c.riga);
        EXPECT_NE(l.problemi[0].testo.find(c.contiene), std::string::npos) << l.problemi[0].testo;
        EXPECT_TRUE(l.frasi.empty());
    }
    // 22 words and trailing fillers are fine.
    std::string piena = "frase\n";
    for (int i = 0; i < 21; ++i)
        piena += "bello | Aggettivo, Qualificativo, Positivo, Maschile, Singolare\n";
    EXPECT_EQ(leggiFrasi(piena + "cane | Nome\n").frasi.size(), 1u);
    EXPECT_EQ(leggiFrasi(piena + "\" \" | riempitivo\n").frasi.size(), 1u);
    EXPECT_EQ(leggiFrasi(piena + "\" \" | riempitivo\ncane | Nome\n").frasi.size(), 0u);
}

TEST(Formato, ProblemsBeyondAHundredAreCountedNotKept) {
    std::string file;
    for (int i = 0; i < 500; ++i) file += "frase\ncane | Nomi\n";
    const Lettura l = leggiFrasi(file);
    EXPECT_EQ(l.problemi.size(), static_cast<std::size_t>(maxProblemi));
    EXPECT_EQ(l.totaleProblemi(), 500);
    EXPECT_EQ(l.scartate, 500);
    EXPECT_EQ(formatta("a.txt", l.problemi[1]), "a.txt:4: «Nomi» non è una parte del discorso; "
                                                "le possibili sono «Articolo», «Nome», "
                                                "«Aggettivo», «Pronome», «Verbo», «Avverbio», "
                                                "«Preposizione», «Congiunzione», «Esclamazione»");
}

std::string minuscolo(std::string_view s) {
    std::string r;
    for (char c : s)
        if (c != ' ') r += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

TEST(Formato, NoSpellingNamesTwoAnswersOfOneQuestion) {
    for (const DescrizioneDomanda& d : tutteLeDomande()) {
        const auto q = static_cast<Domanda>(&d - tutteLeDomande().data());
        std::map<std::string, int> risposta;
        for (int k = 1; k <= static_cast<int>(d.bottoni.size()); ++k) {
            const Bottone& b = d.bottoni[static_cast<std::size_t>(k - 1)];
            for (const std::string& s :
                 {std::string(b.didascalia), std::string(b.traccia), parolaRisposta(q, k)}) {
                const auto [it, nuova] = risposta.emplace(minuscolo(s), k);
                EXPECT_EQ(it->second, k) << "'" << s << "' names two answers of " << d.nome;
            }
        }
    }
    // Walking the tree from each answer of each question finds it again.
    for (const Frase& f : frasiIncorporate())
        for (const Parola& p : f.parole)
            EXPECT_EQ(leggiClassificazione(scriviClassificazione(p.chiave)).chiave, p.chiave);
}

TEST(Formato, TheBankTakesAHundredAndOneSentencesAndCountsWordsNotFillers) {
    auto banca = std::make_unique<Frasi>();
    Frase f;
    f.parole = {{"Il ", {1}}, {"bello ", {3, 1, 1, 0, 0, 0, 0, 0, 1, 1}}, {"  ", {}}, {"   ", {}}};
    for (int i = 0; i < Frasi::maxFrasi; ++i) EXPECT_TRUE(banca->aggiungi(f));
    EXPECT_FALSE(banca->aggiungi(f));
    EXPECT_EQ(banca->numeroFrasi(), 101);
    EXPECT_EQ(banca->numeroParole(100), 2);
    EXPECT_EQ(banca->testo(100, 4), "   ");
    Frase troppe;
    troppe.parole.assign(23, {"cane ", {2}});
    banca->svuota();
    EXPECT_FALSE(banca->aggiungi(troppe));
    EXPECT_EQ(banca->numeroFrasi(), 0);
    EXPECT_EQ(banca->testo(0, 1), "");
}

} // namespace

namespace {

// The worked example for teachers must itself load, with the keys it teaches.
TEST(Formato, TheExampleOfTheTeachersGuideLoads) {
    std::ifstream in(AGGETTIVI_GUIDA);
    ASSERT_TRUE(in) << AGGETTIVI_GUIDA;
    const std::string guida((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The example file: the guide's other blocks are commands and settings.
    const std::size_t inizio = guida.find("```\n# ");
    ASSERT_NE(inizio, std::string::npos);
    const std::size_t fine = guida.find("```", inizio + 4);
    const Lettura l = leggiFrasi(std::string_view(guida).substr(inizio + 4, fine - inizio - 4));
    for (const Problema& p : l.problemi) ADD_FAILURE() << p.riga << ": " << p.testo;
    ASSERT_EQ(l.frasi.size(), 3u);
    EXPECT_EQ(testoFrase(l.frasi[0]), "Il fiume era freddissimo e più profondo del lago.");
    EXPECT_EQ(l.frasi[0].parole[3].chiave, (Chiave{3, 1, 3, 0, 0, 1, 0, 0, 1, 1}));
    EXPECT_EQ(l.frasi[1].parole[4].chiave, (Chiave{3, 2, 0, 1, 0, 0, 3, 0, 1, 2}));
    EXPECT_EQ(l.frasi[2].parole[1].chiave, (Chiave{3, 2, 0, 4, 0, 0, 0, 2, 1, 1}));
    EXPECT_EQ(l.frasi[2].parole[6].chiave, (Chiave{3, 2, 0, 4, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(l.frasi[2].parole[7].testo, "poesie.");
}

} // namespace
