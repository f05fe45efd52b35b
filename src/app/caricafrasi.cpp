#include "app/caricafrasi.h"

#include "app/errorefile.h"
#include "core/formato.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <set>

namespace {

struct Contenuto {
    QByteArray dati;
    QString errore;
};

Contenuto leggi(const QString& nome) {
    Contenuto c;
    const QFileInfo info(nome);
    if (!info.exists()) {
        c.errore = QStringLiteral("il file non esiste: controlla il nome e la cartella");
        return c;
    }
    if (info.isDir()) {
        c.errore = QStringLiteral("è una cartella, non un file: indica un file .txt");
        return c;
    }
    // A pipe or a device could block or never end.
    if (!info.isFile()) {
        c.errore = QStringLiteral(
            "non è un file di testo ma un file speciale del sistema: indica un file .txt");
        return c;
    }
    const QString troppo =
        QStringLiteral("il file è troppo grande (%1 KB; al massimo %2 KB) per essere un file "
                       "di frasi: controlla di aver indicato il file giusto");
    if (info.size() > maxByteFile) {
        c.errore = troppo.arg((info.size() + 1023) / 1024).arg(maxByteFile / 1024);
        return c;
    }
    QFile f(nome);
    if (!f.open(QIODevice::ReadOnly)) {
        c.errore = motivoErroreFile(f);
        return c;
    }
    c.dati = f.read(maxByteFile + 1);
    if (c.dati.size() > maxByteFile) {
        c.errore = troppo.arg((c.dati.size() + 1023) / 1024).arg(maxByteFile / 1024);
        c.dati.clear();
    } else if (f.error() != QFileDevice::NoError) {
        c.errore = motivoErroreFile(f);
        c.dati.clear();
    }
    return c;
}

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

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

QStringList fileFrasiPredefiniti() {
    QStringList file;
    QSet<QString> nomi;
    QSet<QString> cartelleViste;
    for (const QString& c : cartelleFrasi()) {
        const QDir dir(c);
        const QString vera = dir.canonicalPath();
        if (vera.isEmpty() || cartelleViste.contains(vera)) continue;
        cartelleViste.insert(vera);
        const QStringList trovati =
            dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
        for (const QString& n : trovati) {
            if (nomi.contains(n)) continue;
            nomi.insert(n);
            file << dir.filePath(n);
        }
    }
    return file;
}

RapportoFrasi caricaFile(Frasi& banca, const QStringList& file) {
    RapportoFrasi r;
    QSet<QString> letti;
    // A sentence met twice (a copy of the built-in file, one saved twice) would
    // take room and come up twice in a lesson.
    std::set<std::string> giaCaricate;
    auto impronta = [](const Frase& f) { return scriviFrasi(std::span(&f, 1)); };
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

RapportoFrasi caricaFrasi(Frasi& banca, const QStringList& file) {
    banca.svuota();
    if (file.isEmpty()) {
        banca.riempi();
        return caricaFile(banca, fileFrasiPredefiniti());
    }
    RapportoFrasi r = caricaFile(banca, file);
    if (banca.numeroFrasi() == 0) {
        banca.riempi();
        r.caricate = banca.numeroFrasi();
        r.problemi << QStringLiteral(
            "Nessuna frase dei file indicati si è potuta caricare: si usano "
            "le frasi incluse nel programma.");
    }
    return r;
}
