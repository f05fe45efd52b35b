#include "app/caricafrasi.h"
#include "app/salvafrasi.h"
#include "core/formato.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <sys/mount.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// The refusal: the file, the cause (then what to do), and that nothing was lost.
void rifiutato(const Archivio::Esito& e, const QString& file, const char* causa) {
    EXPECT_FALSE(e.ok);
    const QString inizio =
        QStringLiteral("Non riesco a salvare in «%1»: %2").arg(file, QString::fromUtf8(causa));
    EXPECT_TRUE(e.messaggio.startsWith(inizio)) << e.messaggio.toStdString();
    EXPECT_TRUE(e.messaggio.endsWith(QStringLiteral(". Nulla è andato perso.")))
        << e.messaggio.toStdString();
}

// Sentence i, told apart by its first word "p<i>".
Frase frase(int i) {
    const std::string t =
        "frase\np" + std::to_string(i) +
        " | Nome\nbello | Aggettivo, Qualificativo, Positivo, Maschile, Singolare\n";
    return leggiFrasi(t).frasi.at(0);
}

QByteArray leggi(const QString& nome) {
    QFile f(nome);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(assente)");
}

void scrivi(const QString& nome, const QByteArray& dati) {
    QFile f(nome);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(dati), dati.size());
}

// A file that was there, of `n` bytes: lines of text that end wherever n falls.
QByteArray vecchio(int n) {
    QByteArray b;
    while (b.size() < n) b += "# una riga di commento di un file di prova\n";
    return b.left(n);
}

TEST(SalvaFrasi, AWriteThatFailsAtAnyByteLeavesTheFileAsItWas) {
    const struct {
        int prima;         // bytes of the file before the save; -1 = no file
        std::size_t rotto; // the disk takes this many bytes, then fails
        int errore;
        const char* causa;
    } casi[] = {
        {60, 0, ENOSPC, "il disco è pieno"},
        {1000, 1, ENOSPC, "il disco è pieno"},
        {8000, 4096, ENOSPC, "il disco è pieno"},
        {15000, 15001, EDQUOT, "lo spazio concesso a questo utente sul disco è finito"},
        {-1, 10, ENOSPC, "il disco è pieno"},
        {0, 3, EIO, "il disco non risponde"},
        {20000, SIZE_MAX, 0, nullptr}, // the disk takes everything: saved
        {-1, SIZE_MAX, 0, nullptr},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(std::to_string(c.prima) + " bytes, broken at " + std::to_string(c.rotto));
        QTemporaryDir dir;
        const QString nome = dir.filePath(QStringLiteral("classe.txt"));
        if (c.prima >= 0) scrivi(nome, vecchio(c.prima));
        const QByteArray prima = leggi(nome);
        std::size_t presi = 0;
        // Short writes of 7 bytes at most, as a slow disk may give.
        ArchivioFile archivio([&](int fd, const char* d, std::size_t n) -> ssize_t {
            if (presi >= c.rotto) {
                errno = c.errore;
                return -1;
            }
            const ssize_t w = ::write(fd, d, std::min({n, std::size_t{7}, c.rotto - presi}));
            if (w > 0) presi += static_cast<std::size_t>(w);
            return w;
        });
        const Archivio::Esito e = archivio.aggiungi(nome, frase(1));
        EXPECT_EQ(
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            c.prima >= 0 || e.ok ? QStringList{QStringLiteral("classe.txt")} : QStringList{})
            << "no temporary file, no lock left";
        if (c.causa) {
            rifiutato(e, nome, c.causa);
            EXPECT_EQ(leggi(nome), prima);
            continue;
        }
        EXPECT_TRUE(e.ok) << e.messaggio.toStdString();
        EXPECT_TRUE(e.messaggio.startsWith(QStringLiteral("Frase salvata in «%1»;").arg(nome)));
        const QByteArray dopo = leggi(nome);
        EXPECT_TRUE(dopo.startsWith(c.prima >= 0 ? prima : QByteArray()));
        EXPECT_TRUE(dopo.endsWith("Singolare\n"));
        const Lettura l = leggiFrasi(dopo.toStdString());
        ASSERT_EQ(l.frasi.size(), 1u);
        EXPECT_EQ(l.frasi[0].parole, frase(1).parole);
    }
}

// A real small disk: a 64 KiB tmpfs, where the test may mount one.
TEST(SalvaFrasi, AFullDiskRefusesTheSaveAndKeepsEveryFileWhole) {
    QTemporaryDir dir;
    const QByteArray punto = QFile::encodeName(dir.path());
    if (::mount("tmpfs", punto.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no tmpfs here: " << std::strerror(errno);
    ArchivioFile archivio;
    // No room at all (not even for the lock), then room for the lock only.
    for (qint64 libero : {0, 4096})
        for (int byte : {60, 1000, 8000, 15000}) {
            SCOPED_TRACE(std::to_string(byte) + " bytes, " + std::to_string(libero) + " free");
            const QString nome = dir.filePath(QStringLiteral("f%1.txt").arg(byte));
            scrivi(nome, vecchio(byte));
            const QString pieno = dir.filePath(QStringLiteral("riempimento"));
            {
                QFile r(pieno);
                ASSERT_TRUE(r.open(QIODevice::WriteOnly));
                const QByteArray blocco(4096, 'x');
                for (int i = 0; i < 64 && r.write(blocco) == blocco.size() && r.flush(); ++i) {
                }
                r.close();
                r.resize(r.size() / 4096 * 4096 - libero);
            }
            const Archivio::Esito e = archivio.aggiungi(nome, frase(byte));
            rifiutato(e, nome, "il disco è pieno");
            EXPECT_EQ(leggi(nome), vecchio(byte));
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Hidden | QDir::Files).size(), 2);
            QFile::remove(pieno);
            EXPECT_TRUE(archivio.aggiungi(nome, frase(byte)).ok);
            EXPECT_TRUE(leggi(nome).startsWith(vecchio(byte)));
            QFile::remove(nome);
        }
    EXPECT_EQ(::umount(punto.constData()), 0);
}

TEST(SalvaFrasi, TwoSaversAtOnceBothFindTheirSentences) {
    QTemporaryDir dir;
    const QString nome = dir.filePath(QStringLiteral("classe.txt"));
    scrivi(nome, vecchio(200000));
    constexpr int volte = 15;
    std::atomic<int> pronti = 0;
    auto salvatore = [&](int primo, int* salvate) {
        ArchivioFile archivio;
        ++pronti;
        for (int giri = 0; pronti < 2 && giri < 100000000; ++giri) {
        } // start together
        for (int i = 0; i < volte; ++i) *salvate += archivio.aggiungi(nome, frase(primo + i)).ok;
    };
    int a = 0, b = 0;
    std::thread uno(salvatore, 0, &a);
    std::thread due(salvatore, 100, &b);
    uno.join();
    due.join();
    EXPECT_EQ(a + b, 2 * volte);
    const Lettura l = leggiFrasi(leggi(nome).toStdString());
    EXPECT_EQ(static_cast<int>(l.frasi.size()), 2 * volte);

    // A save that never ends (held here): the next one says the file is busy.
    QLockFile altro(dir.filePath(QStringLiteral(".classe.txt.lock")));
    ASSERT_TRUE(altro.lock());
    ArchivioFile archivio;
    archivio.attesaMs = 50;
    const QByteArray prima = leggi(nome);
    const Archivio::Esito e = archivio.aggiungi(nome, frase(999));
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(e.messaggio.contains(QStringLiteral("è in uso"))) << e.messaggio.toStdString();
    EXPECT_EQ(leggi(nome), prima);
}

TEST(SalvaFrasi, OnlyRegularFilesAreReadOrWritten) {
    QTemporaryDir dir;
    auto p = [&](const char* n) { return dir.filePath(QString::fromLatin1(n)); };
    scrivi(p("vero.txt"), vecchio(100));
    ASSERT_EQ(::mkfifo(QFile::encodeName(p("pipe.txt")).constData(), 0644), 0);
    QDir().mkdir(p("cartella.txt"));
    QFile::link(QStringLiteral("/dev/null"), p("nulla.txt"));
    QFile::link(p("giro.txt"), p("giro.txt"));
    QFile::link(p("manca"), p("rotto.txt"));
    QFile::link(p("vero.txt"), p("collegato.txt"));
    const struct {
        const char* nome;
        const char* causa; // on loading and on saving; nullptr = read and saved
    } casi[] = {
        {"pipe.txt", "non è un file di testo ma un file speciale del sistema (una pipe)"},
        {"cartella.txt", "è una cartella, non un file"},
        {"nulla.txt", "non è un file di testo ma un file speciale del sistema (un dispositivo)"},
        {"giro.txt", "è un collegamento che rimanda a sé stesso (un giro di collegamenti)"},
        {"rotto.txt", "è un collegamento a un file che non esiste"},
        {"collegato.txt", nullptr},
    };
    ArchivioFile archivio;
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const Contenuto letto = leggiFileFrasi(p(c.nome));
        const Archivio::Esito e = archivio.aggiungi(p(c.nome), frase(1));
        if (!c.causa) {
            EXPECT_EQ(letto.errore, QString());
            EXPECT_TRUE(e.ok) << e.messaggio.toStdString();
            continue;
        }
        EXPECT_TRUE(letto.errore.startsWith(QString::fromUtf8(c.causa)))
            << letto.errore.toStdString();
        rifiutato(e, p(c.nome), c.causa);
    }
    // Saved through the link: the link is still there, the file has the sentence.
    EXPECT_TRUE(QFileInfo(p("collegato.txt")).isSymLink());
    EXPECT_EQ(leggiFrasi(leggi(p("vero.txt")).toStdString()).frasi.size(), 1u);
    struct stat s {};
    ASSERT_EQ(::lstat(QFile::encodeName(p("nulla.txt")).constData(), &s), 0);
    EXPECT_TRUE(S_ISLNK(s.st_mode)) << "the link to the device is still a link";

    // Another teacher's file keeps its owner and permissions (root can keep them).
    if (geteuid() == 0) {
        const QByteArray suo = QFile::encodeName(p("suo.txt"));
        scrivi(p("suo.txt"), vecchio(100));
        ASSERT_EQ(::chown(suo.constData(), 1234, 1234), 0);
        ASSERT_EQ(::chmod(suo.constData(), 0640), 0);
        ::link(suo.constData(), QFile::encodeName(p("altro-nome.txt")).constData());
        const Archivio::Esito e = archivio.aggiungi(p("suo.txt"), frase(2));
        EXPECT_TRUE(e.ok);
        EXPECT_TRUE(e.messaggio.contains(QStringLiteral("altri nomi")))
            << e.messaggio.toStdString();
        ASSERT_EQ(::stat(suo.constData(), &s), 0);
        EXPECT_EQ(s.st_uid, 1234u);
        EXPECT_EQ(s.st_gid, 1234u);
        EXPECT_EQ(s.st_mode & 07777, 0640u);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
