#include "app/errorefile.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

QString motivoErroreFile(const QFileDevice& f) {
    switch (f.error()) {
    case QFileDevice::ReadError:
        return QStringLiteral("la lettura del file si è interrotta: controlla che il disco o la "
                              "chiavetta siano collegati, o copia di nuovo il file");
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return QStringLiteral("la scrittura non è riuscita: forse il disco è pieno");
    case QFileDevice::RenameError:
        return QStringLiteral("il file nuovo non ha potuto prendere il posto di quello vecchio");
    default:
        break;
    }
    const QFileInfo file(f.fileName());
    const QFileInfo cartella(file.absolutePath());
    const bool scrittura = f.openMode().testFlag(QIODevice::WriteOnly);
    if (file.isDir()) return QStringLiteral("è una cartella, non un file: indica un file .txt");
    if (!file.exists() && !scrittura)
        return QStringLiteral("il file non esiste: controlla il nome e la cartella");
    if (file.exists() && !scrittura && !file.isReadable())
        return QStringLiteral("non hai il permesso di leggere il file: chiedi a chi gestisce il "
                              "computer, o copia il file in una tua cartella");
    if (file.exists() && scrittura && !file.isWritable())
        return QStringLiteral("il file è protetto contro la scrittura: scegli un altro file");
    if (scrittura && !cartella.isWritable())
        return QStringLiteral("non hai il permesso di scrivere nella cartella «%1»: scegline "
                              "un'altra")
            .arg(QDir::toNativeSeparators(cartella.filePath()));
    return QStringLiteral("il file non si apre: controlla che non sia aperto in un altro "
                          "programma e che il disco sia collegato");
}
