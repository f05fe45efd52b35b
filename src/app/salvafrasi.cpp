#include "app/salvafrasi.h"

#include "app/caricafrasi.h"
#include "core/nuovafrase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes a descriptor and, unless kept, removes the temporary file it wrote.
struct Temporaneo {
    int fd = -1;
    QByteArray nome;
    bool tenuto = false;
    ~Temporaneo() {
        if (fd >= 0) ::close(fd);
        if (!tenuto && !nome.isEmpty()) ::unlink(nome.constData());
    }
};

QString perche(int e) {
    switch (e) {
    case ENOSPC:
        return QStringLiteral("il disco è pieno: fai posto o salva su un altro disco");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("lo spazio concesso a questo utente sul disco è finito: fai "
                              "posto o salva su un altro disco");
#endif
    case EACCES:
    case EPERM:
        return QStringLiteral("non hai il permesso di scrivere nella cartella: scegline un'altra");
    case EROFS:
        return QStringLiteral("il disco si può solo leggere: salva su un altro disco");
    case EIO:
        return QStringLiteral("il disco non risponde: controlla che il disco o la chiavetta "
                              "siano collegati");
    default:
        return QStringLiteral("la scrittura non è riuscita: controlla che il disco o la "
                              "chiavetta siano collegati");
    }
}

bool scriviTutto(const ArchivioFile::Scrivi& scrivi, int fd, const std::string& testo) {
    std::size_t fatto = 0;
    // Each call writes something or fails; a disk that takes nothing is an error.
    while (fatto < testo.size()) {
        const ssize_t n = scrivi(fd, testo.data() + fatto, testo.size() - fatto);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        fatto += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

ArchivioFile::ArchivioFile(Scrivi s)
    : scrivi(s ? std::move(s)
               : [](int fd, const char* d, std::size_t n) { return ::write(fd, d, n); }) {}

Archivio::Esito ArchivioFile::aggiungi(const QString& file, const Frase& f) {
    const QString nome = QDir::toNativeSeparators(file);
    auto rifiuta = [&](const QString& causa) {
        return Esito{false,
                     QStringLiteral("Non riesco a salvare in «%1»: %2. Nulla è andato perso.")
                         .arg(nome, causa)};
    };
    // A link to a file: the sentence goes into the file, the link stays.
    const QString vero = QFileInfo(file).isSymLink() ? QFileInfo(file).canonicalFilePath() : file;
    // What is no file is refused before anything is made beside it.
    if (const Contenuto c = leggiFileFrasi(vero.isEmpty() ? file : vero);
        vero.isEmpty() || (!c.errore.isEmpty() && !c.manca))
        return rifiuta(c.errore);
    const QFileInfo veroInfo(vero);
    const QString cartella = veroInfo.absolutePath();
    if (!QDir().mkpath(cartella))
        return rifiuta(QStringLiteral("la cartella «%1» non si può creare: controlla che il "
                                      "disco sia collegato e che tu possa scriverci")
                           .arg(QDir::toNativeSeparators(cartella)));

    QLockFile lucchetto(
        QDir(cartella).filePath(QLatin1Char('.') + veroInfo.fileName() + QStringLiteral(".lock")));
    if (!lucchetto.tryLock(attesaMs)) {
        if (lucchetto.error() == QLockFile::LockFailedError)
            return rifiuta(QStringLiteral("il file è in uso: un altro salvataggio non è ancora "
                                          "finito; riprova tra poco"));
        // The lock does not say why it could not be made: a file made here will.
        const QByteArray prova = QFile::encodeName(QDir(cartella).filePath(
            QStringLiteral(".prova-aggettivi-%1").arg(QRandomGenerator::global()->generate())));
        const int fd = ::open(prova.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        const int e = errno;
        if (fd < 0) return rifiuta(perche(e));
        const bool scritto = ::write(fd, "1234567890", 10) == 10 && ::fsync(fd) == 0;
        const int e2 = errno;
        ::close(fd);
        ::unlink(prova.constData());
        return rifiuta(scritto ? QStringLiteral("nella cartella non si può scrivere: scegline "
                                                "un'altra")
                               : perche(e2));
    }

    // Read under the lock: another saver's sentence is in by now.
    const Contenuto vecchio = leggiFileFrasi(vero);
    if (!vecchio.errore.isEmpty() && !vecchio.manca) return rifiuta(vecchio.errore);
    const std::string testo = accodaFrase(
        std::string_view(vecchio.dati.constData(), static_cast<std::size_t>(vecchio.dati.size())),
        f);
    // The drill would refuse to read it.
    if (static_cast<qint64>(testo.size()) > maxByteFile)
        return rifiuta(QStringLiteral("il file diventerebbe troppo grande (al massimo %1 KB): "
                                      "salva in un file nuovo")
                           .arg(maxByteFile / 1024));
    // "Salvata" means the pupils will see it at the drill's next start.
    const EsameAggiunta esame = esaminaAggiunta(vero, vecchio.dati, f);
    if (!esame.rifiuto.isEmpty())
        return {
            false,
            QStringLiteral("La frase non è stata salvata in «%1»: %2.").arg(nome, esame.rifiuto)};

    Temporaneo tmp;
    const QByteArray base = QFile::encodeName(QDir(cartella).filePath(
        QLatin1Char('.') + veroInfo.fileName() + QStringLiteral(".nuovo-")));
    for (int prove = 0; prove < 100 && tmp.fd < 0; ++prove) {
        tmp.nome = base + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        tmp.fd = ::open(tmp.nome.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (tmp.fd < 0 && errno != EEXIST) break;
    }
    if (tmp.fd < 0) {
        tmp.nome.clear();
        return rifiuta(perche(errno));
    }
    if (vecchio.esiste) {
        // The file keeps its owner and its permissions, or it is not touched.
        const struct stat& s = vecchio.info;
        if ((s.st_uid != geteuid() || s.st_gid != getegid()) &&
            ::fchown(tmp.fd, s.st_uid, s.st_gid) != 0)
            return rifiuta(
                QStringLiteral("il file è di un altro utente, e salvando diventerebbe tuo: "
                               "chiedi a chi lo ha creato, o salva in un altro file"));
        if (::fchmod(tmp.fd, s.st_mode & 07777) != 0) return rifiuta(perche(errno));
    }
    if (!scriviTutto(scrivi, tmp.fd, testo) || ::fsync(tmp.fd) != 0) return rifiuta(perche(errno));
    const int fd = tmp.fd;
    tmp.fd = -1;
    if (::close(fd) != 0) return rifiuta(perche(errno));

    // What is about to replace the file must be exactly what was meant.
    const Contenuto scritto = leggiFileFrasi(QFile::decodeName(tmp.nome));
    if (!scritto.errore.isEmpty() || scritto.dati.toStdString() != testo)
        return rifiuta(QStringLiteral("il file scritto non si rilegge uguale: controlla che il "
                                      "disco o la chiavetta siano collegati"));
    if (::rename(tmp.nome.constData(), QFile::encodeName(vero).constData()) != 0)
        return rifiuta(perche(errno));
    tmp.tenuto = true;
    if (const int d =
            ::open(QFile::encodeName(cartella).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        d >= 0) {
        ::fsync(d); // the rename itself reaches the disk
        ::close(d);
    }

    QString messaggio =
        QStringLiteral("Frase salvata in «%1»; %2.")
            .arg(nome, esame.posti == 1 ? QStringLiteral("resta 1 posto")
                                        : QStringLiteral("restano %1 posti").arg(esame.posti));
    for (const QString& a : esame.avvisi) messaggio += QLatin1Char(' ') + a;
    if (vecchio.esiste && vecchio.info.st_nlink > 1)
        messaggio += QStringLiteral(" Il file aveva altri nomi (collegamenti fissi): quelli "
                                    "restano com'erano, senza la frase nuova.");
    return {true, messaggio};
}
