#include "app/salvafrasi.h"

#include "app/errorefile.h"
#include "core/nuovafrase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

Archivio::Esito ArchivioFile::aggiungi(const QString& file, const Frase& f) {
    const QString nome = QDir::toNativeSeparators(file);
    auto fallito = [&](const QString& perche) {
        return Esito{false,
                     QStringLiteral("Non riesco a salvare in «%1»: %2. Nulla è andato perso.")
                         .arg(nome, perche)};
    };
    QByteArray esistente;
    QFile vecchio(file);
    if (vecchio.exists()) {
        if (!vecchio.open(QIODevice::ReadOnly)) return fallito(motivoErroreFile(vecchio));
        esistente = vecchio.readAll();
        vecchio.close();
    } else if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
        return fallito(QStringLiteral("la cartella «%1» non si può creare: controlla che il disco "
                                      "sia collegato e che tu possa scriverci")
                           .arg(QDir::toNativeSeparators(QFileInfo(file).absolutePath())));
    }
    const std::string testo = accodaFrase(
        std::string_view(esistente.constData(), static_cast<std::size_t>(esistente.size())), f);
    // A new file written beside the old one, then renamed over it: a crash or
    // a full disk leaves the old file whole.
    QSaveFile nuovo(file);
    if (!nuovo.open(QIODevice::WriteOnly)) return fallito(motivoErroreFile(nuovo));
    if (nuovo.write(testo.data(), static_cast<qint64>(testo.size())) !=
            static_cast<qint64>(testo.size()) ||
        !nuovo.commit())
        return fallito(motivoErroreFile(nuovo));
    return {true, QStringLiteral("Frase salvata in «%1».").arg(nome)};
}
