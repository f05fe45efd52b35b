#include "app/caricafrasi.h"
#include "app/frasi_corsa.h"
#include "app/impostazioni.h"
#include "app/rigacomando.h"
#include "config.h"
#include "core/formato.h"
#include "core/incorporate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

#include <condition_variable>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray aggettivo = "bello | Aggettivo, Qualificativo, Positivo, Maschile, Singolare\n";

// A file of `n` sentences; sentence i begins with the word "p<i>".
QByteArray frasi(int n, const QString& prefisso = QStringLiteral("p")) {
    QByteArray b;
    for (int i = 0; i < n; ++i)
        b += "frase\n" + (prefisso + QString::number(i)).toUtf8() + " | Nome\n" + aggettivo;
    return b;
}

void scrivi(const QString& percorso, const QByteArray& dati) {
    QDir().mkpath(QFileInfo(percorso).path());
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(dati);
}

// Data locations of the test's own: a user folder and two system folders.
struct Cartelle {
    Cartelle() {
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("utente")).toUtf8());
        qputenv("XDG_DATA_DIRS", (dir.filePath(QStringLiteral("sistema1")) + QLatin1Char(':') +
                                  dir.filePath(QStringLiteral("sistema2")))
                                     .toUtf8());
    }
    QString frasi(const char* dove, const char* nome) const {
        return dir.filePath(QString::fromLatin1(dove) + QStringLiteral("/aggettivi/frasi/") +
                            QString::fromLatin1(nome));
    }
    QTemporaryDir dir;
};

TEST(CaricaFrasi, BuiltInThenUserThenSystemFoldersInNameOrder) {
    Cartelle c;
    scrivi(c.frasi("utente", "b.txt"), frasi(1, QStringLiteral("b")));
    scrivi(c.frasi("utente", "a.txt"), frasi(2, QStringLiteral("a")));
    scrivi(c.frasi("sistema1", "a.txt"), frasi(1, QStringLiteral("nascosta")));
    scrivi(c.frasi("sistema1", "c.txt"), frasi(1, QStringLiteral("c")));
    scrivi(c.frasi("sistema2", "0.txt"), frasi(1, QStringLiteral("zero")));
    scrivi(c.frasi("sistema2", "leggimi.md"), "niente");
    EXPECT_EQ(cartelleFrasi().constFirst(), c.frasi("utente", "").chopped(1));
    EXPECT_EQ(fileFrasiPredefiniti(),
              (QStringList{c.frasi("utente", "a.txt"), c.frasi("utente", "b.txt"),
                           c.frasi("sistema1", "c.txt"), c.frasi("sistema2", "0.txt")}));

    auto banca = std::make_unique<Frasi>();
    const RapportoFrasi r = caricaFrasi(*banca, {});
    EXPECT_TRUE(r.problemi.isEmpty()) << r.problemi.join('\n').toStdString();
    EXPECT_EQ(r.caricate, 35);
    EXPECT_EQ(banca->numeroFrasi(), 35);
    EXPECT_EQ(banca->testo(0, 1), " Questo");
    const char* attese[] = {"a0 ", "a1 ", "b0 ", "c0 ", "zero0 "};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(banca->testo(30 + i, 1), attese[i]);
}

TEST(CaricaFrasi, UpToTheCapacityAndWhatIsLeftOutIsReported) {
    Cartelle c;
    scrivi(c.frasi("utente", "molte.txt"), frasi(80));
    auto banca = std::make_unique<Frasi>();
    const RapportoFrasi r = caricaFrasi(*banca, {});
    EXPECT_EQ(banca->numeroFrasi(), 101);
    EXPECT_EQ(r.caricate, 101);
    EXPECT_EQ(r.scartate, 9);
    ASSERT_EQ(r.problemi.size(), 9);
    // Sentence 72 of the file (the first left out) starts at line 3 * 71 + 1.
    EXPECT_EQ(r.problemi[0], c.frasi("utente", "molte.txt") +
                                 QStringLiteral(":214: frase non caricata: non c'è più posto (al "
                                                "massimo 101 frasi in tutto): togli qualche file "
                                                "o qualche frase"));

    // Thousands of sentences: still bounded, the list cut short.
    scrivi(c.frasi("utente", "molte.txt"), frasi(5000));
    const RapportoFrasi tante = caricaFrasi(*banca, {});
    EXPECT_EQ(banca->numeroFrasi(), 101);
    EXPECT_EQ(tante.scartate, 5000 - 71);
    EXPECT_LE(tante.problemi.size(), 101);
    EXPECT_TRUE(
        tante.problemi.last().contains(QStringLiteral("e altri 4829 problemi, non elencati")))
        << tante.problemi.last().toStdString();
}

// Before a save: what the drill will make of the sentence at its next start.
TEST(CaricaFrasi, ASentenceIsSavedOnlyWhereTheDrillWillLoadIt) {
    auto una = [](const char* prefisso) {
        const QByteArray b = frasi(1, QString::fromLatin1(prefisso));
        return leggiFrasi(std::string_view(b.constData(), static_cast<std::size_t>(b.size())))
            .frasi.front();
    };
    struct Caso {
        const char* nome;
        QByteArray a, b; // utente/a.txt, utente/b.txt
        QString dove;    // the file saved into; empty: utente/a.txt
        Frase frase;
        const char* esito; // part of the refusal or of the warning; empty: fine
        int posti;
    };
    Cartelle c;
    const QString fuori = c.dir.filePath(QStringLiteral("chiavetta/mie.txt"));
    const QString ombra = c.frasi("sistema1", "a.txt");
    const Caso casi[] = {
        {"new", frasi(3), {}, {}, una("nuova"), "", 101 - 34},
        {"new file", {}, {}, {}, una("nuova"), "", 101 - 31},
        {"twice", frasi(3), {}, {}, una("p"), "è già nel file", 0},
        {"built-in", frasi(3), {}, {}, frasiIncorporate()[4], "incluse nel programma", 0},
        {"other file", frasi(3), frasi(1, QStringLiteral("b")), {}, una("b"), "b.txt", 0},
        {"full", frasi(71), {}, {}, una("nuova"), "non c'è più posto", 0},
        {"pushes out",
         frasi(70),
         frasi(1, QStringLiteral("b")),
         {},
         una("nuova"),
         "una frase di un altro file",
         0},
        {"utf-16", "\xFF\xFE" + frasi(1), {}, {}, una("nuova"), "UTF-8", 0},
        {"latin-1", "# citt\xE0\n" + frasi(1), {}, {}, una("nuova"), "UTF-8", 0},
        {"shadowed", frasi(1), {}, ombra, una("nuova"), "al posto di questo", 0},
        {"alone", {}, {}, fuori, una("nuova"), "aggettivi --frasi", 101 - 91},
    };
    for (const Caso& k : casi) {
        QDir(c.dir.path()).removeRecursively();
        if (!k.a.isEmpty()) scrivi(c.frasi("utente", "a.txt"), k.a);
        if (!k.b.isEmpty()) scrivi(c.frasi("utente", "b.txt"), k.b);
        const QString dove = k.dove.isEmpty() ? c.frasi("utente", "a.txt") : k.dove;
        const QByteArray esistente = dove == fuori ? frasi(90) : dove == ombra ? QByteArray() : k.a;
        const EsameAggiunta e = esaminaAggiunta(dove, esistente, k.frase);
        const QString tutto = e.rifiuto + e.avvisi.join(QLatin1Char(' '));
        if (*k.esito == 0 || k.posti > 0) {
            EXPECT_TRUE(e.rifiuto.isEmpty()) << k.nome << ": " << e.rifiuto.toStdString();
            EXPECT_EQ(e.posti, k.posti) << k.nome;
        } else {
            EXPECT_FALSE(e.rifiuto.isEmpty()) << k.nome;
        }
        EXPECT_TRUE(tutto.contains(QString::fromUtf8(k.esito)))
            << k.nome << ": " << tutto.toStdString();
    }
}

TEST(CaricaFrasi, ASentenceMetTwiceLoadsOnce) {
    Cartelle c;
    // A copy of the built-in sentences, one of them edited, and a sentence saved twice.
    QByteArray copia = QByteArray::fromStdString(std::string(testoFrasiIncorporate()));
    copia.replace("frase: Ho due cugini", "frase: Ho due cugini\n# corretta");
    copia.replace("\"cugini   \" | Nome", "cugini | Nome");
    scrivi(c.frasi("utente", "copia.txt"), copia + frasi(1) + frasi(1));
    auto banca = std::make_unique<Frasi>();
    const RapportoFrasi r = caricaFrasi(*banca, {});
    EXPECT_EQ(banca->numeroFrasi(), 32);
    EXPECT_EQ(banca->testo(30, 3), "cugini ");
    EXPECT_EQ(banca->testo(31, 1), "p0 ");
    EXPECT_EQ(r.scartate, 30);
    ASSERT_EQ(r.problemi.size(), 30);
    EXPECT_TRUE(r.problemi[0].endsWith(
        QStringLiteral(":10: frase non caricata: è uguale a una frase già caricata")))
        << r.problemi[0].toStdString();
    EXPECT_EQ(banca->frase(30).parole.size(), 16u);
    EXPECT_EQ(banca->frase(5).parole.back().testo, "    "); // a filler is part of it
}

TEST(CaricaFrasi, NamedFilesOnlyOrTheBuiltInOnesWhenNoneLoads) {
    Cartelle c;
    scrivi(c.frasi("utente", "a.txt"), frasi(3, QStringLiteral("a")));
    const QString mia = c.dir.filePath(QStringLiteral("mia.txt"));
    scrivi(mia, frasi(2, QStringLiteral("m")));
    auto banca = std::make_unique<Frasi>();
    RapportoFrasi r = caricaFrasi(*banca, {mia});
    EXPECT_TRUE(r.problemi.isEmpty());
    EXPECT_EQ(banca->numeroFrasi(), 2);
    EXPECT_EQ(banca->testo(1, 1), "m1 ");

    const QString rotta = c.dir.filePath(QStringLiteral("rotta.txt"));
    scrivi(rotta, "frase\ncane | Nomi\n");
    r = caricaFrasi(*banca, {rotta});
    EXPECT_EQ(banca->numeroFrasi(), 30);
    EXPECT_EQ(banca->testo(0, 1), " Questo");
    ASSERT_EQ(r.problemi.size(), 2);
    EXPECT_TRUE(r.problemi[0].startsWith(rotta + QStringLiteral(":2: «Nomi»")));
    EXPECT_TRUE(r.problemi[1].contains(QStringLiteral("si usano le frasi incluse nel programma")));
}

TEST(CaricaFrasi, BadFilesOfEveryKindAreNamedAndTheGoodOnesStillLoad) {
    QTemporaryDir dir;
    auto percorso = [&](const char* n) { return dir.filePath(QString::fromLatin1(n)); };
    scrivi(percorso("buona.txt"), "\xEF\xBB\xBF" + frasi(1).replace("\n", "\r\n"));
    scrivi(percorso("vuota.txt"), "");
    QByteArray spazzatura(4096, '\0');
    for (int i = 0; i < spazzatura.size(); ++i) spazzatura[i] = static_cast<char>((i * 7919) % 251);
    scrivi(percorso("binario.txt"), spazzatura);
    scrivi(percorso("grande.txt"), QByteArray(maxByteFile + 1, 'a'));
    scrivi(percorso("latino.txt"), "frase\nperch\xE9 | Congiunzione\n" + aggettivo);
    scrivi(percorso("segreta.txt"), frasi(1, QStringLiteral("s")));
    QFile::setPermissions(percorso("segreta.txt"), QFileDevice::WriteOwner);
    QDir().mkdir(percorso("cartella.txt"));

    const QStringList file = {percorso("buona.txt"),
                              percorso("manca.txt"),
                              percorso("cartella.txt"),
                              percorso("vuota.txt"),
                              percorso("binario.txt"),
                              percorso("grande.txt"),
                              percorso("latino.txt"),
                              percorso("segreta.txt"),
                              QStringLiteral("/dev/zero"),
                              percorso("buona.txt"),
                              dir.path() + QStringLiteral("/./buona.txt")};
    auto banca = std::make_unique<Frasi>();
    const RapportoFrasi r = caricaFile(*banca, file);
    // Root reads a file whatever its permissions.
    const bool radice = geteuid() == 0;
    EXPECT_EQ(banca->numeroFrasi(), radice ? 2 : 1);
    EXPECT_EQ(banca->testo(0, 1), "p0 ");
    const QString tutto = r.problemi.join(QLatin1Char('\n'));
    SCOPED_TRACE(tutto.toStdString());
    auto detto = [&](const char* nome, const char* testo) {
        const QString riga = (nome[0] == '/' ? QString::fromLatin1(nome) : percorso(nome)) +
                             QString::fromUtf8(testo);
        EXPECT_TRUE(tutto.contains(riga)) << riga.toStdString();
    };
    detto("manca.txt", ": il file non esiste");
    detto("cartella.txt", ": è una cartella, non un file");
    detto("vuota.txt", ": il file non contiene nessuna frase");
    detto("binario.txt", ":1: la riga ");
    detto("grande.txt", ": il file è troppo grande (1025 KB; al massimo 1024 KB)");
    detto("latino.txt", ":2: la riga non è testo UTF-8");
    detto("/dev/zero", ": non è un file di testo ma un file speciale");
    detto("buona.txt", ": file già letto");
    EXPECT_EQ(r.problemi.count(percorso("buona.txt") +
                               QStringLiteral(": file già letto: le sue frasi non si caricano "
                                              "due volte")),
              1);
    if (!radice) detto("segreta.txt", ": non hai il permesso di leggere il file");
    EXPECT_GE(r.scartate, 1); // latino.txt's sentence, and any the garbage seemed to start
}

TEST(CaricaFrasi, OneLineSaysWhatTheRunUses) {
    struct Caso {
        int incorporate;
        QList<QPair<QString, int>> daFile;
        const char* riga;
    };
    const QString d = QStringLiteral("/media/chiavetta/");
    for (const Caso& c : std::initializer_list<Caso>{
             {30, {}, "30 frasi incluse"},
             {30, {{d + "2B-gennaio.txt", 12}}, "30 frasi incluse e 12 da 2B-gennaio.txt"},
             {30,
              {{d + "a.txt", 1}, {d + "b.txt", 5}},
              "30 frasi incluse, 1 da a.txt e 5 da b.txt"},
             {30, {{"a", 1}, {"b", 2}, {"c", 3}}, "30 frasi incluse e 6 da 3 file"},
             {0, {{d + "oggi.txt", 1}}, "1 frase da oggi.txt"},
             {0, {{d + "a.txt", 2}, {d + "b.txt", 3}}, "2 frasi da a.txt e 3 da b.txt"},
         }) {
        RapportoFrasi r;
        r.incorporate = c.incorporate;
        r.daFile = c.daFile;
        EXPECT_EQ(rigaInUso(r), QString::fromUtf8(c.riga));
    }
    // From a real load: the counts are those of the sentences that went in.
    Cartelle c;
    scrivi(c.frasi("utente", "2B-gennaio.txt"), frasi(12) + "frase\ncane | Nomi\n");
    auto banca = std::make_unique<Frasi>();
    EXPECT_EQ(rigaInUso(caricaFrasi(*banca, {})), "30 frasi incluse e 12 da 2B-gennaio.txt");
}

// A class folder named in the configuration, read on the side: present,
// missing, and one that does not answer (a network share that is down).
struct Configurazione : Cartelle {
    Configurazione() {
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("conf-utente")).toUtf8());
        qputenv("XDG_CONFIG_DIRS", dir.filePath(QStringLiteral("conf-sistema")).toUtf8());
    }
    QString conf(const char* dove) const {
        return dir.filePath(QString::fromLatin1(dove) +
                            QStringLiteral("/aggettivi/aggettivi.conf"));
    }
    QString classe(const char* nome) const {
        return dir.filePath(QStringLiteral("classe/") + QString::fromLatin1(nome));
    }
};

// Holds a folder's reading until the test lets it go, as a share that is down would.
struct Bloccata {
    std::mutex m;
    std::condition_variable cv;
    bool libera = false;
    CartellaLetta leggi(const QString& c) {
        std::unique_lock<std::mutex> l(m);
        cv.wait_for(l, std::chrono::seconds(30), [this] { return libera; });
        return leggiCartella(c);
    }
    void lascia() {
        const std::lock_guard<std::mutex> l(m);
        libera = true;
        cv.notify_all();
    }
};

TEST(CaricaFrasi, ConfiguredClassFoldersPresentMissingAndNotAnswering) {
    Configurazione c;
    EXPECT_TRUE(leggiConfigurazione().isEmpty());
    const QString assente = c.dir.filePath(QStringLiteral("non-collegata"));
    scrivi(c.conf("conf-sistema"), "# la cartella della 2B\n[frasi]\ncartelle=" +
                                       c.classe("").toUtf8() + ", " + assente.toUtf8() + "\n");
    scrivi(c.conf("conf-utente"), "[frasi]\ncartelle=~/mie\n");
    const QList<CartellaConfigurata> lette = leggiConfigurazione();
    ASSERT_EQ(lette.size(), 3);
    EXPECT_EQ(lette[0].cartella, QDir::homePath() + QStringLiteral("/mie"));
    EXPECT_EQ(lette[0].dove, c.conf("conf-utente") + QStringLiteral(":2"));
    EXPECT_EQ(lette[1].cartella, QDir::cleanPath(c.classe("")));
    EXPECT_EQ(lette[2].dove, c.conf("conf-sistema") + QStringLiteral(":3"));
    EXPECT_EQ(cartelleConfigurate().size(), 3);

    // The user's own file of the same name wins; the folder's other file loads.
    scrivi(c.frasi("utente", "nuove-frasi.txt"), frasi(2, QStringLiteral("mia")));
    scrivi(c.classe("nuove-frasi.txt"), frasi(1, QStringLiteral("altra")));
    scrivi(c.classe("2B-gennaio.txt"), frasi(12, QStringLiteral("classe")));
    const QList<CartellaConfigurata> classe = {lette[1], lette[2]};
    auto banca = std::make_unique<Frasi>();
    {
        FrasiCorsa f(*banca, {}, classe);
        f.concludi(); // files on a disk that answers: read well within the moment
        EXPECT_EQ(banca->numeroFrasi(), 44);
        EXPECT_EQ(f.inUso().riga,
                  "30 frasi incluse, 2 da nuove-frasi.txt e 12 da 2B-gennaio.txt");
        ASSERT_EQ(f.inUso().problemi.size(), 1);
        EXPECT_EQ(f.inUso().problemi[0],
                  lette[2].dove + QStringLiteral(": la cartella «") + assente +
                      QStringLiteral("» non esiste (o il disco o la rete che la contiene non è "
                                     "collegato)"));
    }
    {
        // The command line's files are all a run uses: no folder is read.
        const QString mia = c.dir.filePath(QStringLiteral("mia.txt"));
        scrivi(mia, frasi(1, QStringLiteral("m")));
        FrasiCorsa f(*banca, {mia}, classe, [](const QString&) -> CartellaLetta {
            ADD_FAILURE() << "a folder read";
            return {};
        });
        f.concludi();
        EXPECT_EQ(banca->numeroFrasi(), 1);
    }
    // Shared with the reading thread, which may outlive a failed test.
    auto rete = std::make_shared<Bloccata>();
    FrasiCorsa f(*banca, {}, {lette[1]}, [rete](const QString& x) { return rete->leggi(x); });
    EXPECT_EQ(banca->numeroFrasi(), 32); // the start window shows now, not after the network
    const auto adesso = FrasiCorsa::Orologio::now();
    EXPECT_FALSE(f.aggiorna(adesso));
    EXPECT_TRUE(f.inUso().problemi.isEmpty());
    EXPECT_TRUE(f.aggiorna(adesso + FrasiCorsa::pazienza));
    ASSERT_EQ(f.inUso().problemi.size(), 1);
    EXPECT_TRUE(
        f.inUso().problemi[0].startsWith(lette[1].dove + QStringLiteral(": la cartella «")));
    EXPECT_TRUE(f.inUso().problemi[0].contains(QStringLiteral("non risponde")));
    // It answers after all, while the start window is still there.
    rete->lascia();
    f.concludi();
    EXPECT_EQ(banca->numeroFrasi(), 44);
    EXPECT_TRUE(f.inUso().problemi.isEmpty());
}

Comando comando(std::initializer_list<const char*> a) {
    QStringList l{QStringLiteral("aggettivi")};
    for (const char* s : a) l << QString::fromUtf8(s);
    return leggiComando(l);
}

bool senza(std::initializer_list<const char*> a) {
    QStringList l{QStringLiteral("aggettivi")};
    for (const char* s : a) l << QString::fromUtf8(s);
    return senzaFinestra(l);
}

// Whatever sits in a folder under a *.txt name is either loaded or named with
// its cause: at the start, and by --verifica given the folder.
TEST(CaricaFrasi, EveryEntryOfAFolderThatIsSkippedIsNamed) {
    Cartelle c;
    const QString cartella = c.frasi("utente", "").chopped(1);
    scrivi(c.frasi("utente", "buona.txt"), frasi(1));
    ASSERT_EQ(::mkfifo(QFile::encodeName(c.frasi("utente", "pipe.txt")).constData(), 0644), 0);
    QDir().mkdir(c.frasi("utente", "cartella.txt"));
    QFile::link(c.frasi("utente", "manca"), c.frasi("utente", "rotto.txt"));
    QFile::link(c.frasi("utente", "giro.txt"), c.frasi("utente", "giro.txt"));
    ::close(::open((QFile::encodeName(cartella) + "/perch\xE9.txt").constData(), O_CREAT | O_WRONLY,
                   0644));
    const char* attesi[] = {
        "/cartella.txt: è una cartella, non un file: indica un file .txt",
        "/giro.txt: è un collegamento che rimanda a sé stesso (un giro di collegamenti)",
        "/pipe.txt: non è un file di testo ma un file speciale del sistema (una pipe)",
        "/rotto.txt: è un collegamento a un file che non esiste",
        "/perch\uFFFD.txt: il nome del file ha lettere che non sono UTF-8: rinomina il file",
    };
    auto banca = std::make_unique<Frasi>();
    const RapportoFrasi avvio = caricaFrasi(*banca, {});
    EXPECT_EQ(avvio.caricate, 31);
    QStringList verificati;
    auto altra = std::make_unique<Frasi>();
    const RapportoFrasi verifica = caricaFile(*altra, fileIndicati({cartella}, &verificati));
    for (const QStringList& problemi : {avvio.problemi, verificati + verifica.problemi}) {
        EXPECT_EQ(problemi.size(), 5) << problemi.join('\n').toStdString();
        for (const char* a : attesi)
            EXPECT_TRUE(problemi.join('\n').contains(cartella + QString::fromUtf8(a)))
                << a << "\n"
                << problemi.join('\n').toStdString();
    }
    ::unlink(
        (QFile::encodeName(cartella) + "/perch\xE9.txt").constData()); // Qt could not remove it
}

TEST(RigaComando, OptionsAndTheirMistakes) {
    using A = Comando::Azione;
    EXPECT_EQ(comando({}).azione, A::finestra);
    EXPECT_TRUE(comando({}).file.isEmpty());
    const Comando f = comando({"--frasi", "a.txt", "b.txt"});
    EXPECT_EQ(f.azione, A::finestra);
    EXPECT_EQ(f.file, (QStringList{"a.txt", "b.txt"}));
    // Files without an option, as a file manager passes them, are played the same way.
    EXPECT_EQ(comando({"a.txt", "b.txt"}).azione, A::finestra);
    EXPECT_EQ(comando({"a.txt", "b.txt"}).file, f.file);
    EXPECT_EQ(comando({"--verifica", "a.txt"}).azione, A::verifica);
    EXPECT_EQ(comando({"--esporta"}).azione, A::esporta);
    EXPECT_EQ(comando({"--help"}).azione, A::aiuto);
    EXPECT_EQ(comando({"-h"}).azione, A::aiuto);
    EXPECT_EQ(comando({"--version"}).azione, A::versione);
    EXPECT_EQ(comando({"--frasi", "x", "--help"}).azione, A::aiuto);
    EXPECT_EQ(comando({"--scrivi"}).azione, A::scrivi);
    EXPECT_TRUE(comando({"--scrivi"}).file.isEmpty());
    EXPECT_EQ(comando({"--scrivi", "mie.txt"}).file, QStringList{"mie.txt"});
    EXPECT_FALSE(senza({"--scrivi"})); // a window

    struct Sbaglio {
        std::initializer_list<const char*> a;
        const char* testo;
    };
    for (const Sbaglio& s : std::initializer_list<Sbaglio>{
             {{"--frasi"}, "--frasi vuole almeno un file."},
             {{"--esporta", "a.txt"}, "--esporta non vuole file."},
             {{"--frasi", "a", "--verifica"},
              "--frasi, --verifica, --esporta e --scrivi non si usano insieme."},
             {{"--scrivi", "a.txt", "b.txt"}, "--scrivi vuole al più un file."},
         }) {
        const Comando c = leggiComando([&] {
            QStringList l{QStringLiteral("aggettivi")};
            for (const char* x : s.a) l << QString::fromUtf8(x);
            return l;
        }());
        EXPECT_EQ(c.azione, A::errore) << s.testo;
        EXPECT_TRUE(c.testo.startsWith(QString::fromUtf8(s.testo))) << c.testo.toStdString();
    }

    // No display needed for these; the toolkit's own options wait for the toolkit.
    EXPECT_TRUE(senza({"--verifica", "a.txt"}));
    EXPECT_EQ(comando({"--verifica"}).azione, A::verifica); // the folders' files
    EXPECT_TRUE(senza({"--esporta"}));
    EXPECT_TRUE(senza({"--help"}));
    EXPECT_TRUE(senza({"--version"}));
    EXPECT_TRUE(senza({"--bogus"}));
    EXPECT_FALSE(senza({"a.txt"}));
    EXPECT_FALSE(senza({}));
    EXPECT_FALSE(senza({"--frasi", "a.txt"}));
    EXPECT_FALSE(senza({"-platform", "offscreen", "--frasi", "a.txt"}));
    EXPECT_FALSE(senza({"-style", "fusion"}));
    EXPECT_TRUE(senza({"-platform", "offscreen", "--verifica", "a.txt"}));
}

TEST(RigaComando, VoiceAndLegibilityAreOnForTheRunOnlyWhenAsked) {
    EXPECT_FALSE(comando({}).voce);
    EXPECT_FALSE(comando({}).leggibile);
    const Comando c = comando({"--voce", "--leggibile", "--frasi", "a.txt"});
    EXPECT_EQ(c.azione, Comando::Azione::finestra);
    EXPECT_TRUE(c.voce && c.leggibile);
    EXPECT_TRUE(comando({"--scrivi", "--voce"}).voce);
    EXPECT_FALSE(senza({"--leggibile"}));
}

// The user's choice over the school's default over off; the school's file is never written.
TEST(Impostazioni, TheUsersChoiceOverTheSchoolsDefault) {
    QTemporaryDir dir;
    const QString utente = dir.filePath(QStringLiteral("utente"));
    const QString scuola = dir.filePath(QStringLiteral("xdg"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, utente);
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, scuola);
    EXPECT_FALSE(leggiPreferenze().voce);
    EXPECT_FALSE(leggiPreferenze().leggibile);

    const QString fileScuola = scuola + QStringLiteral("/aggettivi/aggettivi.conf");
    const QByteArray predefinito = "[accessibilita]\nvoce=true\n";
    scrivi(fileScuola, predefinito);
    EXPECT_TRUE(leggiPreferenze().voce);
    EXPECT_FALSE(leggiPreferenze().leggibile);

    salvaPreferenze({false, true});
    EXPECT_FALSE(leggiPreferenze().voce);
    EXPECT_TRUE(leggiPreferenze().leggibile);
    QFile f(fileScuola);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), predefinito);
    EXPECT_TRUE(QFile::exists(utente + QStringLiteral("/aggettivi/aggettivi.conf")));
}

struct Uscita {
    int codice;
    QString out, err;
};

Uscita esegui(std::initializer_list<const char*> a) {
    QStringList l{QStringLiteral("aggettivi")};
    for (const char* s : a) l << QString::fromUtf8(s);
    Uscita u;
    QTextStream out(&u.out), err(&u.err);
    u.codice = eseguiSenzaFinestra(leggiComando(l), out, err);
    out.flush();
    err.flush();
    return u;
}

TEST(RigaComando, VersionHelpExportAndCheck) {
    EXPECT_EQ(esegui({"--version"}).out, QStringLiteral("aggettivi " AGGETTIVI_VERSIONE "\n"));
    const Uscita aiuto = esegui({"--help"});
    EXPECT_EQ(aiuto.codice, 0);
    for (const char* o : {"--help", "--version", "--frasi", "--verifica", "--esporta", "FILE"})
        EXPECT_TRUE(aiuto.out.contains(QLatin1String(o))) << o;

    const Uscita esportate = esegui({"--esporta"});
    EXPECT_EQ(esportate.codice, 0);
    EXPECT_EQ(esportate.out.toStdString(), std::string(testoFrasiIncorporate()));

    QTemporaryDir dir;
    const QString x = dir.filePath(QStringLiteral("x.txt"));
    scrivi(x, esportate.out.toUtf8());
    const QByteArray xs = x.toUtf8();
    // Counted as the drill counts: with the built-in sentences, which a copy repeats.
    const Uscita copia = esegui({"--verifica", xs.constData()});
    EXPECT_EQ(copia.codice, 1);
    EXPECT_EQ(copia.out.count(QStringLiteral("è uguale a una frase già caricata")), 30);
    scrivi(x, frasi(70));
    const Uscita bene = esegui({"--verifica", xs.constData()});
    EXPECT_EQ(bene.codice, 0);
    EXPECT_EQ(bene.out, QStringLiteral("Tutto a posto: 70 frasi caricate dai file; con le 30 "
                                       "incluse nel programma sono 100 su 101: 1 posto libero.\n"));

    const QString y = dir.filePath(QStringLiteral("y.txt"));
    scrivi(y, "frase\ncane | Nome\nbello | Aggettivo, Qualificativo\nfrase\nIl | Articolo\n" +
                  aggettivo + "frase\nun | Articolo\n");
    const QByteArray ys = y.toUtf8();
    const Uscita male = esegui({"--verifica", xs.constData(), ys.constData()});
    // 70 + 30 + 1: the room is full.
    EXPECT_EQ(male.codice, 1);
    const QStringList righe = male.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(righe.size(), 3) << male.out.toStdString();
    EXPECT_TRUE(righe[0].startsWith(y + QStringLiteral(":3: l'analisi è incompleta")));
    EXPECT_TRUE(righe[1].startsWith(y + QStringLiteral(":7: la frase non ha aggettivi")));
    EXPECT_EQ(righe[2], QStringLiteral("71 frasi caricate dai file, 2 frasi non caricate; con le "
                                       "30 incluse nel programma sono 101 su 101: non resta "
                                       "nessun posto. Correggi i problemi elencati e controlla "
                                       "di nuovo."));

    const Uscita sbagliato = esegui({"--bogus"});
    EXPECT_EQ(sbagliato.codice, 2);
    EXPECT_TRUE(sbagliato.out.isEmpty());
    EXPECT_TRUE(sbagliato.err.startsWith(QStringLiteral("aggettivi: opzione sconosciuta")));
}

TEST(RigaComando, CountedMessagesAgreeWithTheirCount) {
    QTemporaryDir dir;
    const QByteArray rotta = "frase\ncane | Nomi\n";
    const QByteArray righeStrane = QByteArray("frase\n") + QByteArray("x\n").repeated(100);
    struct Caso {
        QByteArray dati;
        const char* atteso;
    };
    const Caso casi[] = {
        {frasi(1), "Tutto a posto: 1 frase caricata dai file;"},
        {frasi(2), "Tutto a posto: 2 frasi caricate dai file;"},
        {frasi(1) + rotta, "1 frase caricata dai file, 1 frase non caricata;"},
        {frasi(2) + rotta + rotta, "2 frasi caricate dai file, 2 frasi non caricate;"},
        {righeStrane + "x\n", "e un altro problema, non elencato:"},
        {righeStrane + "x\nx\n", "e altri 2 problemi, non elencati:"},
    };
    for (const Caso& c : casi) {
        const QString f = dir.filePath(QStringLiteral("f.txt"));
        scrivi(f, c.dati);
        const QByteArray nome = f.toUtf8();
        const Uscita u = esegui({"--verifica", nome.constData()});
        EXPECT_TRUE(u.out.contains(QString::fromUtf8(c.atteso))) << u.out.toStdString();
    }
}

// The real program, with no display at all: checking needs none.
TEST(RigaComando, TheProgramChecksAndExportsWithoutADisplay) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    auto lancia = [&](const QStringList& a, QByteArray* out = nullptr) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(AGGETTIVI_PROGRAMMA), a);
        EXPECT_TRUE(p.waitForFinished(60000));
        if (out) *out = p.readAllStandardOutput();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };
    QByteArray esportate;
    EXPECT_EQ(lancia({QStringLiteral("--esporta")}, &esportate), 0);
    EXPECT_EQ(esportate.toStdString(), std::string(testoFrasiIncorporate()));
    QTemporaryDir dir;
    const QString x = dir.filePath(QStringLiteral("x.txt"));
    scrivi(x, frasi(2));
    EXPECT_EQ(lancia({QStringLiteral("--verifica"), x}), 0);
    scrivi(x, frasi(2) + "frase\ncane | Nomi\n");
    EXPECT_EQ(lancia({QStringLiteral("--verifica"), x}), 1);
    EXPECT_EQ(lancia({QStringLiteral("--frasi")}), 2);
    QByteArray versione;
    EXPECT_EQ(lancia({QStringLiteral("--version")}, &versione), 0);
    EXPECT_EQ(versione, "aggettivi " AGGETTIVI_VERSIONE "\n");
}

// What a teacher meets first: help, a mistyped option, a file that cannot be
// read. No English reaches her, with or without the toolkit's translation.
TEST(RigaComando, TheProgramSpeaksOnlyItalian) {
    QTemporaryDir dir;
    const QString cartella = dir.filePath(QStringLiteral("cartella.txt"));
    QDir().mkpath(cartella);
    QStringList illeggibili = {cartella, dir.filePath(QStringLiteral("manca.txt"))};
    // Opens, then fails at the first read (EIO): a read error, as from a bad disk.
    if (QFileInfo::exists(QStringLiteral("/proc/self/mem")))
        illeggibili << QStringLiteral("/proc/self/mem");
    const QString chiuso = dir.filePath(QStringLiteral("chiuso.txt"));
    scrivi(chiuso, frasi(1));
    QFile(chiuso).setPermissions({}); // unreadable, except to root
    illeggibili << chiuso;

    const QList<QStringList> comandi = {
        {QStringLiteral("--help")},
        {QStringLiteral("--esporta=x")},
        {QStringLiteral("--frasi=a.txt")},
        {QStringLiteral("--bogus")},
        {QStringLiteral("-x")},
        {QStringLiteral("--verifica")},
        QStringList{QStringLiteral("--verifica")} + illeggibili,
    };
    const QRegularExpression inglese(
        QStringLiteral("\\b(Usage|Options|Arguments|Unknown|Unexpected|Missing|value|option|"
                       "Permission|denied|such|error|Input|output|Is a|Displays)\\b"));
    for (const QStringList& a : comandi) {
        QProcess p;
        p.start(QStringLiteral(AGGETTIVI_PROGRAMMA), a);
        ASSERT_TRUE(p.waitForFinished(60000));
        const QString testo =
            QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        EXPECT_FALSE(testo.isEmpty()) << a.join(' ').toStdString();
        const QRegularExpressionMatch m = inglese.match(testo);
        EXPECT_FALSE(m.hasMatch())
            << a.join(' ').toStdString() << ": «" << m.captured().toStdString() << "» in\n"
            << testo.toStdString();
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
