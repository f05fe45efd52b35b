#include "app/salvafrasi.h"

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
        if (!vecchio.open(QIODevice::ReadOnly)) return fallito(vecchio.errorString());
        esistente = vecchio.readAll();
        vecchio.close();
    } else if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
        return fallito(QStringLiteral("la cartella non si può creare"));
    }
    const std::string testo = accodaFrase(
        std::string_view(esistente.constData(), static_cast<std::size_t>(esistente.size())), f);
    // A new file written beside the old one, then renamed over it: a crash or
    // a full disk leaves the old file whole.
    QSaveFile nuovo(file);
    if (!nuovo.open(QIODevice::WriteOnly)) return fallito(nuovo.errorString());
    if (nuovo.write(testo.data(), static_cast<qint64>(testo.size())) !=
            static_cast<qint64>(testo.size()) ||
        !nuovo.commit())
        return fallito(nuovo.errorString());
    return {true, QStringLiteral("Frase salvata in «%1».").arg(nome)};
}
