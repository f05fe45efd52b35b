#include "app/caricafrasi.h"

#include "config.h"
#include "core/formato.h"

#include "core/incorporate.h"
#include "core/nuovafrase.h"
#include "core/plurale.h"
#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <set>
#include <unistd.h>

namespace {

// A folder as the disk knows it, so that two spellings of one folder compare
// equal; as written when it does not exist yet.
QString cartellaVera(const QString& percorso) {
    const QString c = QDir(percorso).canonicalPath();
    return c.isEmpty() ? QDir::cleanPath(QDir(percorso).absolutePath()) : c;
}

QString chiaveFile(const QString& file) {
    const QFileInfo i(file);
    return cartellaVera(i.absolutePath()) + QLatin1Char('/') + i.fileName();
}

std::string impronta(const Frase& f) {
    return scriviFrasi(std::span(&f, 1));
}

const QString nomeNonUtf8 =
    QStringLiteral("il nome del file ha lettere che non sono UTF-8: rinomina il file");

// Why `nome` cannot be opened, from the system's error.
QString causa(int e, const QString& nome) {
    switch (e) {
    case ENOENT: {
        struct stat l {};
        if (::lstat(QFile::encodeName(nome).constData(), &l) == 0 && S_ISLNK(l.st_mode))
            return QStringLiteral("è un collegamento a un file che non esiste: controlla dove "
                                  "porta, o indica il file vero");
        // The command line turns bytes that are not UTF-8 into this mark.
        if (nome.contains(QChar::ReplacementCharacter)) return nomeNonUtf8;
        return QStringLiteral("il file non esiste: controlla il nome e la cartella");
    }
    case ELOOP:
        return QStringLiteral("è un collegamento che rimanda a sé stesso (un giro di "
                              "collegamenti): indica il file vero");
    case EACCES:
        return QStringLiteral("non hai il permesso di leggere il file: chiedi a chi gestisce il "
                              "computer, o copia il file in una tua cartella");
    case ENOTDIR:
        return QStringLiteral("una parte del percorso non è una cartella: controlla il nome");
    case ENAMETOOLONG:
        return QStringLiteral("il nome del file è troppo lungo: accorcialo");
    default:
        return QStringLiteral("il file non si apre: controlla che non sia aperto in un altro "
                              "programma e che il disco sia collegato");
    }
}

QString nonNormale(mode_t m) {
    if (S_ISDIR(m)) return QStringLiteral("è una cartella, non un file: indica un file .txt");
    const QString tipo = S_ISFIFO(m)                ? QStringLiteral(" (una pipe)")
                         : S_ISCHR(m) || S_ISBLK(m) ? QStringLiteral(" (un dispositivo)")
                         : S_ISSOCK(m)              ? QStringLiteral(" (un socket)")
                                                    : QString();
    return QStringLiteral("non è un file di testo ma un file speciale del sistema%1: indica un "
                          "file .txt")
        .arg(tipo);
}

QString troppoGrande(qint64 byte) {
    return QStringLiteral("il file è troppo grande (%1 KB; al massimo %2 KB) per essere un file "
                          "di frasi: controlla di aver indicato il file giusto")
        .arg((byte + 1023) / 1024)
        .arg(maxByteFile / 1024);
}

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

bool utf8(const QByteArray& b) {
    return QString::fromUtf8(b).toUtf8() == b;
}

} // namespace

Contenuto leggiFileFrasi(const QString& nome) {
    Contenuto c;
    const QByteArray percorso = QFile::encodeName(nome);
    // Refused unopened when it is plainly no file; checked again once open,
    // in case it was swapped in between. Opening never waits.
    struct stat prima {};
    if (::stat(percorso.constData(), &prima) != 0) {
        c.manca = errno == ENOENT;
        c.errore = causa(errno, nome);
        return c;
    }
    if (!S_ISREG(prima.st_mode)) {
        c.errore = nonNormale(prima.st_mode);
        return c;
    }
    const int fd = ::open(percorso.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        c.manca = errno == ENOENT;
        c.errore = causa(errno, nome);
        return c;
    }
    const auto chiudi = qScopeGuard([fd] { ::close(fd); });
    if (::fstat(fd, &c.info) != 0) {
        c.errore = causa(errno, nome);
        return c;
    }
    if (!S_ISREG(c.info.st_mode)) {
        c.errore = nonNormale(c.info.st_mode);
        return c;
    }
    c.esiste = true;
    if (c.info.st_size > maxByteFile) {
        c.errore = troppoGrande(c.info.st_size);
        return c;
    }
    // The size may change while reading: never more than the limit and a byte.
    c.dati.resize(maxByteFile + 1);
    qint64 letti = 0;
    while (letti < c.dati.size()) {
        const ssize_t n =
            ::read(fd, c.dati.data() + letti, static_cast<std::size_t>(c.dati.size() - letti));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            c.errore = QStringLiteral("la lettura del file si è interrotta: controlla che il "
                                      "disco o la chiavetta siano collegati, o copia di nuovo "
                                      "il file");
            c.dati.clear();
            return c;
        }
        if (n == 0) break;
        letti += n;
    }
    c.dati.truncate(letti);
    if (letti > maxByteFile) {
        c.errore = troppoGrande(letti);
        c.dati.clear();
    }
    return c;
}

QStringList cartelleFrasi() {
    QStringList cartelle;
    for (const QString& base :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        cartelle << QDir(base).filePath(QStringLiteral("aggettivi/frasi"));
    return cartelle;
}

QString fileNuoveFrasi() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base).filePath(QStringLiteral("aggettivi/frasi/nuove-frasi.txt"));
}

QStringList fileDellaCartella(const QString& cartella, QStringList* problemi) {
    auto problema = [problemi](const QString& dove, const QString& testo) {
        if (problemi) *problemi << QDir::toNativeSeparators(dove) + QStringLiteral(": ") + testo;
    };
    // Read by hand: the toolkit's listing leaves out, without a word, the
    // entries a teacher most needs to hear about.
    DIR* d = ::opendir(QFile::encodeName(cartella).constData());
    if (!d) {
        if (errno != ENOENT) // a folder not made yet is no problem
            problema(cartella, errno == EACCES
                                   ? QStringLiteral("non hai il permesso di leggere la "
                                                    "cartella: i suoi file non si caricano")
                                   : QStringLiteral("la cartella non si apre: i suoi file non si "
                                                    "caricano"));
        return {};
    }
    const auto chiudi = qScopeGuard([d] { ::closedir(d); });
    const QDir dir(cartella);
    QStringList trovati;
    while (const dirent* e = ::readdir(d)) {
        const QByteArray n(e->d_name);
        if (n.startsWith('.') || !n.endsWith(".txt")) continue;
        if (!utf8(n)) {
            problema(dir.filePath(QString::fromUtf8(n)), nomeNonUtf8);
            continue;
        }
        trovati << QString::fromUtf8(n);
    }
    std::sort(trovati.begin(), trovati.end());
    for (QString& n : trovati) n = dir.filePath(n);
    return trovati;
}

QString fileGuida() {
    const QDir programma(QCoreApplication::applicationDirPath());
    for (const QString& f :
         {programma.filePath(QStringLiteral("guida/frasi.md")),
          programma.filePath(QStringLiteral("../" AGGETTIVI_DATADIR "/aggettivi/guida/frasi.md"))})
        if (QFileInfo::exists(f)) return QDir::cleanPath(f);
    return {};
}

QStringList fileFrasiPredefiniti(QStringList* problemi, const QString& anche) {
    QStringList file;
    QSet<QString> nomi;
    QSet<QString> cartelleViste;
    for (const QString& c : cartelleFrasi()) {
        const QString vera = QDir(c).canonicalPath();
        if (!vera.isEmpty() && cartelleViste.contains(vera)) continue;
        cartelleViste.insert(vera);
        QStringList qui = fileDellaCartella(c, problemi);
        if (!anche.isEmpty() && cartellaVera(c) == cartellaVera(QFileInfo(anche).absolutePath())) {
            const QString f = QDir(c).filePath(QFileInfo(anche).fileName());
            if (!qui.contains(f)) {
                qui << f;
                std::sort(qui.begin(), qui.end());
            }
        }
        for (const QString& f : qui) {
            const QString n = QFileInfo(f).fileName();
            if (nomi.contains(n)) continue;
            nomi.insert(n);
            file << f;
        }
    }
    return file;
}

QStringList fileIndicati(const QStringList& file, QStringList* problemi) {
    QStringList r;
    for (const QString& f : file) {
        struct stat s {};
        if (::stat(QFile::encodeName(f).constData(), &s) != 0 || !S_ISDIR(s.st_mode)) {
            r << f;
            continue;
        }
        const qsizetype prima = problemi ? problemi->size() : 0;
        const QStringList dentro = fileDellaCartella(f, problemi);
        if (dentro.isEmpty() && problemi && problemi->size() == prima)
            *problemi << QDir::toNativeSeparators(f) +
                             QStringLiteral(": nella cartella non c'è nessun file .txt");
        r << dentro;
    }
    return r;
}

namespace {

// The load, reading each file through `leggi`: the disk, or a file as it
// would be after a save.
RapportoFrasi caricaFileDa(Frasi& banca, const QStringList& file,
                           const std::function<Contenuto(const QString&)>& leggi) {
    RapportoFrasi r;
    r.caricate = banca.numeroFrasi();
    if (file.isEmpty()) return r; // the usual start: nothing to compare the bank with
    QSet<QString> letti;
    // A sentence met twice (a copy of the built-in file, one saved twice) would
    // take room and come up twice in a lesson.
    std::set<std::string> giaCaricate;
    for (int s = 0; s < banca.numeroFrasi(); ++s) giaCaricate.insert(impronta(banca.frase(s)));
    for (const QString& nome : file) {
        const QString mostrato = QDir::toNativeSeparators(nome);
        const std::string nomeFile = mostrato.toStdString();
        const QString vero = QFileInfo(nome).canonicalFilePath();
        if (!vero.isEmpty() && letti.contains(vero)) {
            r.problemi << mostrato +
                              QStringLiteral(": file già letto: le sue frasi non si caricano "
                                             "due volte");
            continue;
        }
        if (!vero.isEmpty()) letti.insert(vero);
        const Contenuto c = leggi(nome);
        if (!c.errore.isEmpty()) {
            r.problemi << mostrato + QStringLiteral(": ") + c.errore;
            continue;
        }
        const Lettura l = leggiFrasi(
            std::string_view(c.dati.constData(), static_cast<std::size_t>(c.dati.size())));
        r.scartate += l.scartate;
        int mostrati = 0;
        for (const Problema& p : l.problemi) {
            r.problemi << qs(formatta(nomeFile, p));
            ++mostrati;
        }
        int taciuti = l.altriProblemi;
        const int prima = banca.numeroFrasi();
        for (const Frase& f : l.frasi) {
            const bool doppia = !giaCaricate.insert(impronta(f)).second;
            if (!doppia && banca.aggiungi(f)) continue;
            ++r.scartate;
            if (mostrati < maxProblemi) {
                r.problemi << qs(formatta(
                    nomeFile,
                    {f.riga, doppia ? std::string("frase non caricata: è uguale a una frase già "
                                                  "caricata")
                                    : "frase non caricata: non c'è più posto (al massimo " +
                                          std::to_string(Frasi::maxFrasi) +
                                          " frasi in tutto): togli qualche file o qualche frase"}));
                ++mostrati;
            } else {
                ++taciuti;
            }
        }
        if (banca.numeroFrasi() > prima) r.daFile.append({nome, banca.numeroFrasi() - prima});
        if (taciuti > 0)
            r.problemi
                << mostrato + QStringLiteral(": ") +
                       (taciuti == 1
                            ? QStringLiteral("e un altro problema, non elencato")
                            : QStringLiteral("e altri %1 problemi, non elencati").arg(taciuti)) +
                       QStringLiteral(": correggi quelli elencati e controlla di nuovo");
    }
    r.caricate = banca.numeroFrasi();
    return r;
}

bool contiene(const Frasi& banca, const std::string& cercata) {
    for (int s = 0; s < banca.numeroFrasi(); ++s)
        if (impronta(banca.frase(s)) == cercata) return true;
    return false;
}

bool contiene(const QByteArray& dati, const std::string& cercata) {
    const Lettura l =
        leggiFrasi(std::string_view(dati.constData(), static_cast<std::size_t>(dati.size())));
    return std::any_of(l.frasi.begin(), l.frasi.end(),
                       [&](const Frase& f) { return impronta(f) == cercata; });
}

} // namespace

RapportoFrasi caricaFile(Frasi& banca, const QStringList& file) {
    return caricaFileDa(banca, file, leggiFileFrasi);
}

EsameAggiunta esaminaAggiunta(const QString& file, const QByteArray& esistente, const Frase& f) {
    EsameAggiunta e;
    const QString nome = QDir::toNativeSeparators(file);
    const QString altroFile = QStringLiteral("scegli un altro file con «Salva in…»");
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decodificato = utf8(esistente); // decoding happens on conversion
    if (esistente.startsWith("\xFF\xFE") || esistente.startsWith("\xFE\xFF") || utf8.hasError()) {
        e.rifiuto = QStringLiteral("il file non è salvato con la codifica UTF-8 e la frase lo "
                                   "guasterebbe: salvalo in UTF-8 (in Blocco note: «Salva con "
                                   "nome», codifica UTF-8), o %1")
                        .arg(altroFile);
        return e;
    }

    // The load that will read the file: the folders' with the built-in
    // sentences, or the file opened alone.
    const QString chiave = chiaveFile(file);
    bool inCartella = false;
    for (const QString& c : cartelleFrasi())
        inCartella = inCartella || cartellaVera(c) == cartellaVera(QFileInfo(file).absolutePath());
    const bool conIncluse = inCartella && file.endsWith(QLatin1String(".txt"));
    QStringList elenco = {file};
    if (conIncluse) {
        elenco = fileFrasiPredefiniti(nullptr, file);
        if (std::none_of(elenco.begin(), elenco.end(),
                         [&](const QString& n) { return chiaveFile(n) == chiave; })) {
            e.rifiuto = QStringLiteral("in una cartella letta prima c'è un altro file «%1», che "
                                       "il programma legge al posto di questo: %2")
                            .arg(QFileInfo(file).fileName(), altroFile);
            return e;
        }
    } else {
        e.avvisi << QStringLiteral("Il programma non legge da solo questo file: gli alunni "
                                   "vedranno le sue frasi aprendolo (aggettivi --frasi «%1»).")
                        .arg(nome);
    }
    const QByteArray dopo = QByteArray::fromStdString(accodaFrase(
        std::string_view(esistente.constData(), static_cast<std::size_t>(esistente.size())), f));
    auto carica = [&](const QByteArray& dati) {
        auto banca = std::make_unique<Frasi>();
        if (conIncluse) banca->riempi();
        caricaFileDa(*banca, elenco, [&](const QString& n) {
            if (chiaveFile(n) != chiave) return leggiFileFrasi(n);
            Contenuto c;
            c.dati = dati;
            return c;
        });
        return banca;
    };
    const std::unique_ptr<Frasi> senza = carica(esistente);
    const std::unique_ptr<Frasi> con = carica(dopo);
    const std::string nuova = impronta(f);
    if (contiene(esistente, nuova)) {
        e.rifiuto = QStringLiteral("la frase è già nel file");
        return e;
    }
    if (conIncluse) {
        auto incluse = std::make_unique<Frasi>();
        incluse->riempi();
        if (contiene(*incluse, nuova)) {
            e.rifiuto = QStringLiteral("la frase è uguale a una delle frasi incluse nel programma");
            return e;
        }
    }
    for (const QString& n : elenco)
        if (chiaveFile(n) != chiave && contiene(leggiFileFrasi(n).dati, nuova)) {
            e.rifiuto =
                QStringLiteral("la frase è già nel file «%1»").arg(QDir::toNativeSeparators(n));
            return e;
        }
    // In, but pushing a sentence of a later file out: no better.
    const bool entra = contiene(*con, nuova);
    if (!entra || con->numeroFrasi() <= senza->numeroFrasi()) {
        e.rifiuto =
            QStringLiteral("non c'è più posto: il programma carica al massimo %1 frasi%2 e "
                           "%3 resterebbe fuori. Togli qualche frase dai file, o %4 da "
                           "aprire da solo")
                .arg(Frasi::maxFrasi)
                .arg(conIncluse
                         ? QStringLiteral(", comprese le %1 incluse").arg(frasiIncorporate().size())
                         : QString())
                .arg(entra ? QStringLiteral("una frase di un altro file")
                           : QStringLiteral("questa"))
                .arg(altroFile);
        return e;
    }
    e.posti = Frasi::maxFrasi - con->numeroFrasi();
    const Lettura l = leggiFrasi(
        std::string_view(esistente.constData(), static_cast<std::size_t>(esistente.size())));
    if (const int n = l.totaleProblemi(); n > 0)
        e.avvisi << QStringLiteral("Il file ha già %1: controllalo con aggettivi --verifica.")
                        .arg(QString::fromStdString(quante(n, "problema", "problemi")));
    return e;
}

void caricaLetti(Frasi& banca, const std::vector<FileLetto>& file, RapportoFrasi& r) {
    QStringList nomi;
    for (const FileLetto& f : file) nomi << f.nome;
    const RapportoFrasi letti = caricaFileDa(banca, nomi, [&](const QString& n) {
        Contenuto c;
        for (const FileLetto& f : file)
            if (f.nome == n) {
                c.dati = f.dati;
                c.errore = f.errore;
            }
        return c;
    });
    r.scartate += letti.scartate;
    r.problemi << letti.problemi;
    r.daFile << letti.daFile;
    r.caricate = banca.numeroFrasi();
}

CartellaLetta leggiCartella(const QString& cartella) {
    CartellaLetta c{cartella, {}, {}, {}};
    const QFileInfo info(cartella);
    if (!info.exists()) {
        c.errore = QStringLiteral("non esiste (o il disco o la rete che la contiene non è "
                                  "collegato)");
        return c;
    }
    if (!info.isDir()) {
        c.errore = QStringLiteral("è un file, non una cartella");
        return c;
    }
    for (const QString& nome : fileDellaCartella(cartella, &c.problemi)) {
        Contenuto letto = leggiFileFrasi(nome);
        c.file.push_back({nome, std::move(letto.dati), std::move(letto.errore)});
    }
    return c;
}

namespace {

// The line of `conf` that names the key, for the teacher's messages.
QString doveChiave(const QString& conf) {
    QFile f(conf);
    if (f.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> righe = f.read(maxByteFile).split('\n');
        for (qsizetype i = 0; i < righe.size(); ++i)
            if (righe[i].trimmed().startsWith("cartelle"))
                return conf + QLatin1Char(':') + QString::number(i + 1);
    }
    return conf;
}

} // namespace

QList<CartellaConfigurata> leggiConfigurazione() {
    QList<CartellaConfigurata> cartelle;
    for (const QString& base :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        const QString conf = QDir(base).filePath(QStringLiteral("aggettivi/aggettivi.conf"));
        if (!QFileInfo::exists(conf)) continue;
        const QSettings s(conf, QSettings::IniFormat);
        const QStringList voci = s.value(QStringLiteral("frasi/cartelle")).toStringList();
        if (voci.isEmpty()) continue;
        const QString dove = doveChiave(conf);
        for (QString c : voci) {
            c = c.trimmed();
            if (c.isEmpty()) continue;
            if (c == QLatin1String("~") || c.startsWith(QLatin1String("~/")))
                c = QDir::homePath() + c.mid(1);
            cartelle.append({QDir::cleanPath(c), dove});
        }
    }
    return cartelle;
}

QStringList cartelleConfigurate() {
    QStringList c;
    for (const CartellaConfigurata& v : leggiConfigurazione())
        if (!c.contains(v.cartella)) c << v.cartella;
    return c;
}

QString rigaInUso(const RapportoFrasi& r) {
    QStringList parti;
    if (r.incorporate == 1) parti << QStringLiteral("1 frase inclusa");
    if (r.incorporate > 1) parti << QStringLiteral("%1 frasi incluse").arg(r.incorporate);
    // The first number says "frasi"; the others do without.
    auto quante = [&parti](int n) {
        if (!parti.isEmpty()) return QString::number(n);
        return n == 1 ? QStringLiteral("1 frase") : QStringLiteral("%1 frasi").arg(n);
    };
    if (r.daFile.size() <= 2) {
        for (const auto& [nome, n] : r.daFile)
            parti << quante(n) + QStringLiteral(" da ") + QFileInfo(nome).fileName();
    } else {
        int tutte = 0;
        for (const auto& f : r.daFile) tutte += f.second;
        parti << quante(tutte) + QStringLiteral(" da %1 file").arg(r.daFile.size());
    }
    if (parti.isEmpty()) return QStringLiteral("Nessuna frase");
    const QString ultima = parti.takeLast();
    return parti.isEmpty() ? ultima
                           : parti.join(QStringLiteral(", ")) + QStringLiteral(" e ") + ultima;
}

RapportoFrasi caricaFrasi(Frasi& banca, const QStringList& file) {
    banca.svuota();
    if (file.isEmpty()) {
        banca.riempi();
        const int incorporate = banca.numeroFrasi();
        QStringList saltati;
        const QStringList trovati = fileFrasiPredefiniti(&saltati);
        RapportoFrasi r = caricaFile(banca, trovati);
        r.problemi = saltati + r.problemi;
        r.incorporate = incorporate;
        return r;
    }
    QStringList saltati;
    RapportoFrasi r = caricaFile(banca, fileIndicati(file, &saltati));
    r.problemi = saltati + r.problemi;
    if (banca.numeroFrasi() == 0) {
        banca.riempi();
        r.caricate = r.incorporate = banca.numeroFrasi();
        r.problemi << QStringLiteral(
            "Nessuna frase dei file indicati si è potuta caricare: si usano "
            "le frasi incluse nel programma.");
    }
    return r;
}
