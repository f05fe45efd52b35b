#include "app/rigacomando.h"

#include "app/caricafrasi.h"
#include "config.h"
#include "core/incorporate.h"

#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>
#include <memory>

namespace {

const QString opzioneFrasi = QStringLiteral("frasi");
const QString opzioneVerifica = QStringLiteral("verifica");
const QString opzioneEsporta = QStringLiteral("esporta");
const QString opzioneScrivi = QStringLiteral("scrivi");

// Options of QGuiApplication and QApplication: the toolkit takes them out
// once it runs, so they are judged again then.
const QStringList delToolkit = {
    QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"), QStringLiteral("plugin"),
    QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
    QStringLiteral("qwindowicon"),   QStringLiteral("qwindowtitle"),
    QStringLiteral("geometry"),      QStringLiteral("title"),
    QStringLiteral("icon"),          QStringLiteral("display"),
    QStringLiteral("reverse"),       QStringLiteral("session"),
    QStringLiteral("style"),         QStringLiteral("stylesheet"),
    QStringLiteral("widgetcount"),   QStringLiteral("nograb"),
    QStringLiteral("dograb"),        QStringLiteral("sync"),
    QStringLiteral("name"),          QStringLiteral("visual"),
};

QString descrizione() {
    QStringList cartelle;
    for (const QString& c : cartelleFrasi())
        cartelle << QStringLiteral("  ") + QDir::toNativeSeparators(c);
    return QStringLiteral("Aggettivi: esercizi di analisi grammaticale degli aggettivi.\n\n"
                          "Senza opzioni usa le frasi incorporate e poi ogni file *.txt di "
                          "queste cartelle (fino a %1 frasi):\n")
               .arg(Frasi::maxFrasi) +
           cartelle.join(QLatin1Char('\n')) +
           QStringLiteral("\nIl formato dei file di frasi è spiegato nella guida frasi.md, "
                          "installata con la documentazione del programma (su Linux "
                          "/usr/share/doc/aggettivi/frasi.md).");
}

} // namespace

Comando leggiComando(const QStringList& argomenti) {
    QCommandLineParser p;
    // "-platform" is one option (the toolkit's), not six letters.
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    p.setApplicationDescription(descrizione());
    const QCommandLineOption aiuto({QStringLiteral("h"), QStringLiteral("help")},
                                   QStringLiteral("Mostra questo aiuto."));
    const QCommandLineOption versione({QStringLiteral("v"), QStringLiteral("version")},
                                      QStringLiteral("Mostra la versione."));
    const QCommandLineOption frasi(
        opzioneFrasi, QStringLiteral("Usa solo le frasi dei FILE indicati, al posto delle frasi "
                                     "incorporate e delle cartelle."));
    const QCommandLineOption verifica(
        opzioneVerifica,
        QStringLiteral("Controlla i FILE di frasi senza aprire finestre: scrive "
                       "ogni problema ed esce con 0 se è tutto a posto, 1 se no."));
    const QCommandLineOption esporta(
        opzioneEsporta,
        QStringLiteral("Scrive le frasi incorporate nel formato dei file di frasi."));
    const QCommandLineOption scrivi(
        opzioneScrivi,
        QStringLiteral("Apre la finestra per scrivere nuove frasi analizzandole con i pulsanti; "
                       "le aggiunge al FILE indicato o, senza FILE, a %1.")
            .arg(QDir::toNativeSeparators(fileNuoveFrasi())));
    p.addOptions({aiuto, versione, frasi, verifica, esporta, scrivi});
    p.addPositionalArgument(QStringLiteral("FILE"),
                            QStringLiteral("File di frasi, dopo --frasi, --verifica o --scrivi."),
                            QStringLiteral("[FILE...]"));

    Comando c;
    auto errore = [&c](const QString& t) {
        c.azione = Comando::Azione::errore;
        c.testo = t + QStringLiteral(" Usa --help per l'elenco delle opzioni.");
        return c;
    };
    if (!p.parse(argomenti)) {
        if (!p.unknownOptionNames().isEmpty()) {
            c.sconosciute = p.unknownOptionNames();
            QString n = c.sconosciute.constFirst();
            for (const QString& u : c.sconosciute)
                if (!delToolkit.contains(u)) {
                    n = u;
                    break;
                }
            return errore(QStringLiteral("opzione sconosciuta «%1%2».")
                              .arg(n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), n));
        }
        return errore(QStringLiteral("riga di comando sbagliata (%1).").arg(p.errorText()));
    }
    if (p.isSet(aiuto)) {
        c.azione = Comando::Azione::aiuto;
        c.testo = p.helpText();
        return c;
    }
    if (p.isSet(versione)) {
        c.azione = Comando::Azione::versione;
        return c;
    }
    c.file = p.positionalArguments();
    const int scelte =
        int(p.isSet(frasi)) + int(p.isSet(verifica)) + int(p.isSet(esporta)) + int(p.isSet(scrivi));
    if (scelte > 1)
        return errore(
            QStringLiteral("--frasi, --verifica, --esporta e --scrivi non si usano insieme."));
    if (p.isSet(scrivi)) {
        if (c.file.size() > 1) return errore(QStringLiteral("--scrivi vuole al più un file."));
        c.azione = Comando::Azione::scrivi;
        return c;
    }
    if (p.isSet(esporta)) {
        if (!c.file.isEmpty()) return errore(QStringLiteral("--esporta non vuole file."));
        c.azione = Comando::Azione::esporta;
        return c;
    }
    if ((p.isSet(frasi) || p.isSet(verifica)) && c.file.isEmpty())
        return errore(QStringLiteral("--%1 vuole almeno un file.")
                          .arg(p.isSet(frasi) ? opzioneFrasi : opzioneVerifica));
    if (scelte == 0 && !c.file.isEmpty())
        return errore(QStringLiteral("i file si indicano dopo --frasi, --verifica o --scrivi."));
    if (p.isSet(verifica)) c.azione = Comando::Azione::verifica;
    return c;
}

bool senzaFinestra(const QStringList& argomenti) {
    for (qsizetype i = 1; i < argomenti.size(); ++i) {
        const QString& a = argomenti[i];
        if (a == QLatin1String("--")) break;
        const QString nome = a.section(QLatin1Char('='), 0, 0);
        for (const char* o : {"-h", "--help", "-v", "--version", "--verifica", "--esporta"})
            if (nome == QLatin1String(o)) return true;
    }
    const Comando c = leggiComando(argomenti);
    if (c.azione != Comando::Azione::errore)
        return c.azione != Comando::Azione::finestra && c.azione != Comando::Azione::scrivi;
    if (c.sconosciute.isEmpty()) return true;
    for (const QString& n : c.sconosciute)
        if (!delToolkit.contains(n)) return true;
    return false;
}

int eseguiSenzaFinestra(const Comando& c, QTextStream& out, QTextStream& err) {
    switch (c.azione) {
    case Comando::Azione::aiuto:
        out << c.testo;
        return 0;
    case Comando::Azione::versione:
        out << "aggettivi " AGGETTIVI_VERSIONE "\n";
        return 0;
    case Comando::Azione::esporta: {
        const std::string_view t = testoFrasiIncorporate();
        out << QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
        return 0;
    }
    case Comando::Azione::verifica: {
        auto banca = std::make_unique<Frasi>();
        const RapportoFrasi r = caricaFile(*banca, c.file);
        for (const QString& p : r.problemi) out << p << '\n';
        if (r.problemi.isEmpty()) {
            out << QStringLiteral("Tutto a posto: %1 frasi caricate.\n").arg(r.caricate);
            return 0;
        }
        out << QStringLiteral("Frasi caricate: %1; frasi non caricate: %2.\n")
                   .arg(r.caricate)
                   .arg(r.scartate);
        return 1;
    }
    case Comando::Azione::errore:
        err << "aggettivi: " << c.testo << '\n';
        return 2;
    case Comando::Azione::finestra:
    case Comando::Azione::scrivi:
        break;
    }
    return 0;
}
