#include "app/traduzione.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool caricaTraduzioneToolkit(QCoreApplication& app) {
    // The toolkit's folder (Debian: qt6-translations-l10n), then beside the
    // program, where a Windows or macOS bundle keeps its copy.
    const QStringList cartelle = {
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations")),
    };
    auto* t = new QTranslator(&app);
    for (const QString& c : cartelle)
        if (t->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                    QStringLiteral("_"), c))
            return QCoreApplication::installTranslator(t);
    delete t;
    return false;
}
