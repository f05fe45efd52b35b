#include "app/rigacomando.h"

#include "app/caricafrasi.h"
#include "config.h"
#include "core/incorporate.h"
#include "core/plurale.h"

#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>
#include <algorithm>
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
    for (const QString& c : cartelleFrasi() + cartelleConfigurate())
        cartelle << QStringLiteral("  ") + QDir::toNativeSeparators(c);
    return QStringLiteral("Aggettivi: esercizi di analisi grammaticale degli aggettivi.\n\n"
                          "Senza opzioni usa le frasi incluse nel programma e poi ogni file "
                          "*.txt di queste cartelle (fino a %1 frasi):\n")
               .arg(Frasi::maxFrasi) +
           cartelle.join(QLatin1Char('\n')) +
           QStringLiteral("\nAltre cartelle (per esempio quella della classe) si aggiungono "
                          "nella chiave cartelle del gruppo [frasi] di aggettivi/aggettivi.conf, "
                          "nella cartella di configurazione dell'utente o del sistema "
                          "(su Linux ~/.config o /etc/xdg).\n"
                          "Come scrivere le frasi e portarle agli alunni è spiegato nella "
                          "guida per gli insegnanti: %1")
               .arg(QDir::toNativeSeparators(fileGuida().isEmpty() ? QStringLiteral("frasi.md")
                                                                   : fileGuida()));
}

// `testo` cut into lines of at most `larghezza` characters, at spaces.
QStringList aCapo(const QString& testo, qsizetype larghezza) {
    QStringList righe;
    QString riga;
    for (const QString& parola : testo.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!riga.isEmpty() && riga.size() + 1 + parola.size() > larghezza) {
            righe << riga;
            riga.clear();
        }
        riga += (riga.isEmpty() ? QString() : QStringLiteral(" ")) + parola;
    }
    if (!riga.isEmpty()) righe << riga;
    return righe;
}

struct VoceAiuto {
    QString nomi; // as a teacher types them
    QString testo;
};

// The help in Italian, written here rather than by the parser: the toolkit's
// own words ("Usage", "Options") are English where its translation is missing.
QString testoAiuto(const QList<VoceAiuto>& opzioni, const VoceAiuto& argomento) {
    qsizetype colonna = argomento.nomi.size();
    for (const VoceAiuto& v : opzioni) colonna = std::max(colonna, v.nomi.size());
    colonna += 4;
    auto voce = [colonna](const VoceAiuto& v) {
        const QStringList righe = aCapo(v.testo, std::max<qsizetype>(79 - colonna, 30));
        QString r;
        for (qsizetype i = 0; i < righe.size(); ++i)
            r += (i == 0 ? (QStringLiteral("  ") + v.nomi).leftJustified(colonna)
                         : QString(colonna, QLatin1Char(' '))) +
                 righe[i] + QLatin1Char('\n');
        return r;
    };
    QString r = QStringLiteral("Uso: aggettivi [opzioni] [FILE...]\n\n");
    for (const QString& paragrafo : descrizione().split(QLatin1Char('\n')))
        r +=
            (paragrafo.startsWith(QLatin1Char(' ')) ? QStringList{paragrafo} : aCapo(paragrafo, 79))
                .join(QLatin1Char('\n')) +
            QLatin1Char('\n');
    r += QStringLiteral("\nOpzioni:\n");
    for (const VoceAiuto& v : opzioni) r += voce(v);
    return r + QStringLiteral("\nArgomenti:\n") + voce(argomento);
}

// "--frasi=a.txt": the parser refuses a value after "=" and says so in its
// own words; this says what to write instead.
QString valoreDopoUguale(const QStringList& argomenti, const QStringList& nostre) {
    for (qsizetype i = 1; i < argomenti.size(); ++i) {
        const QString& a = argomenti[i];
        if (a == QLatin1String("--")) break;
        if (!a.startsWith(QLatin1Char('-')) || !a.contains(QLatin1Char('='))) continue;
        QString nome = a.section(QLatin1Char('='), 0, 0);
        while (nome.startsWith(QLatin1Char('-'))) nome.remove(0, 1);
        if (!nostre.contains(nome)) continue;
        const QString lungo = QStringLiteral("--") + nome;
        if (nome == opzioneFrasi || nome == opzioneVerifica || nome == opzioneScrivi)
            return QStringLiteral("«%1»: scrivi i file dopo %2, separati da spazi e senza «=» "
                                  "(per esempio: %2 %3).")
                .arg(a, lungo, a.section(QLatin1Char('='), 1));
        return QStringLiteral("«%1»: dopo %2 non va scritto niente; scrivi solo %2.")
            .arg(a, nome.size() == 1 ? QStringLiteral("-") + nome : lungo);
    }
    return {};
}

} // namespace

Comando leggiComando(const QStringList& argomenti) {
    QCommandLineParser p;
    // "-platform" is one option (the toolkit's), not six letters.
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const VoceAiuto vAiuto{QStringLiteral("-h, --help"), QStringLiteral("Mostra questo aiuto.")};
    const VoceAiuto vVersione{QStringLiteral("-v, --version"),
                              QStringLiteral("Mostra la versione.")};
    const VoceAiuto vFrasi{QStringLiteral("--frasi FILE..."),
                           QStringLiteral("Usa solo le frasi dei FILE indicati (di una cartella, "
                                          "ogni file .txt), al posto delle frasi incluse e di "
                                          "quelle delle cartelle.")};
    const VoceAiuto vVerifica{
        QStringLiteral("--verifica [FILE...]"),
        QStringLiteral("Controlla i FILE di frasi (di una cartella, ogni file .txt; senza FILE, "
                       "quelli delle cartelle) come li carica il programma insieme alle frasi "
                       "incluse, senza aprire finestre: scrive ogni problema e quanti posti "
                       "restano, ed esce con 0 se è tutto a posto, con 1 se no.")};
    const VoceAiuto vEsporta{
        QStringLiteral("--esporta"),
        QStringLiteral("Scrive le frasi incluse nel formato dei file di frasi.")};
    const VoceAiuto vScrivi{
        QStringLiteral("--scrivi [FILE]"),
        QStringLiteral("Apre la finestra per scrivere nuove frasi analizzandole con i pulsanti; "
                       "le aggiunge al FILE indicato o, senza FILE, a %1.")
            .arg(QDir::toNativeSeparators(fileNuoveFrasi()))};
    const VoceAiuto vVoce{
        QStringLiteral("--voce"),
        QStringLiteral("Legge ad alta voce la frase, la parola in rosso, le domande e le "
                       "risposte (come \"Leggi ad alta voce\" nella prima finestra; serve una "
                       "voce italiana di speech-dispatcher).")};
    const VoceAiuto vLeggibile{
        QStringLiteral("--leggibile"),
        QStringLiteral("Usa l'aspetto ad alta leggibilità: caratteri più grandi e più chiari, "
                       "colori più contrastati (come \"Alta leggibilità\" nella prima "
                       "finestra).")};
    const VoceAiuto vFile{QStringLiteral("FILE"),
                          QStringLiteral("File di frasi da usare (come con --frasi), o dopo "
                                         "--verifica o --scrivi.")};
    const QCommandLineOption aiuto({QStringLiteral("h"), QStringLiteral("help")}, vAiuto.testo);
    const QCommandLineOption versione({QStringLiteral("v"), QStringLiteral("version")},
                                      vVersione.testo);
    const QCommandLineOption frasi(opzioneFrasi, vFrasi.testo);
    const QCommandLineOption verifica(opzioneVerifica, vVerifica.testo);
    const QCommandLineOption esporta(opzioneEsporta, vEsporta.testo);
    const QCommandLineOption scrivi(opzioneScrivi, vScrivi.testo);
    const QCommandLineOption voce(QStringLiteral("voce"), vVoce.testo);
    const QCommandLineOption leggibile(QStringLiteral("leggibile"), vLeggibile.testo);
    p.addOptions({aiuto, versione, frasi, verifica, esporta, scrivi, voce, leggibile});

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
        const QString uguale = valoreDopoUguale(
            argomenti, {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("v"),
                        QStringLiteral("version"), opzioneFrasi, opzioneVerifica, opzioneEsporta,
                        opzioneScrivi, QStringLiteral("voce"), QStringLiteral("leggibile")});
        // The parser's own words are the last resort: Italian when the toolkit's
        // translation is installed.
        return errore(uguale.isEmpty()
                          ? QStringLiteral("riga di comando sbagliata: %1").arg(p.errorText())
                          : uguale);
    }
    if (p.isSet(aiuto)) {
        c.azione = Comando::Azione::aiuto;
        c.testo = testoAiuto(
            {vAiuto, vVersione, vFrasi, vVerifica, vEsporta, vScrivi, vVoce, vLeggibile}, vFile);
        return c;
    }
    if (p.isSet(versione)) {
        c.azione = Comando::Azione::versione;
        return c;
    }
    c.file = p.positionalArguments();
    c.voce = p.isSet(voce);
    c.leggibile = p.isSet(leggibile);
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
    if (p.isSet(frasi) && c.file.isEmpty())
        return errore(QStringLiteral("--%1 vuole almeno un file.").arg(opzioneFrasi));
    // A file manager's "Open with" hands the files over bare: they are played.
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
        // Counted as the drill counts at its start: the built-in sentences
        // first, then the files, up to the limit.
        auto banca = std::make_unique<Frasi>();
        banca->riempi();
        const int incluse = banca->numeroFrasi();
        QStringList saltati;
        RapportoFrasi r = caricaFile(*banca, c.file.isEmpty() ? fileFrasiPredefiniti(&saltati)
                                                              : fileIndicati(c.file, &saltati));
        r.problemi = saltati + r.problemi;
        for (const QString& p : r.problemi) out << p << '\n';
        const int daiFile = r.caricate - incluse;
        const QString caricate =
            daiFile == 0 ? QStringLiteral("nessuna frase caricata dai file")
                         : QString::fromStdString(quante(daiFile, "frase caricata dai file",
                                                         "frasi caricate dai file"));
        const int posti = Frasi::maxFrasi - r.caricate;
        const QString conte =
            QStringLiteral("con le %1 incluse nel programma sono %2 su %3: %4")
                .arg(incluse)
                .arg(r.caricate)
                .arg(Frasi::maxFrasi)
                .arg(posti == 0
                         ? QStringLiteral("non resta nessun posto")
                         : QString::fromStdString(quante(posti, "posto libero", "posti liberi")));
        if (r.problemi.isEmpty()) {
            out << QStringLiteral("Tutto a posto: %1; %2.\n").arg(caricate, conte);
            return 0;
        }
        out << caricate.left(1).toUpper() + caricate.mid(1);
        if (r.scartate > 0)
            out << ", "
                << QString::fromStdString(
                       quante(r.scartate, "frase non caricata", "frasi non caricate"));
        out << QStringLiteral("; %1. Correggi i problemi elencati e controlla di nuovo.\n")
                   .arg(conte);
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
