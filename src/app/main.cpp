#include "app/caratteri_in_anticipo.h"
#include "app/caricafrasi.h"
#include "app/frasi_corsa.h"
#include "app/impostazioni.h"
#include "app/rigacomando.h"
#include "app/salvafrasi.h"
#include "app/traduzione.h"
#include "qt/servizi_qt.h"
#include "ui/esiti.h"
#include "ui/finestra_esercizio.h"
#include "ui/finestra_iniziale.h"
#include "ui/finestra_scrittura.h"

#include <QApplication>
#include <QPointer>
#include <QStyleFactory>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    {
        // Checking files and the like must work where there is no display.
        QStringList grezzi;
        for (int i = 0; i < argc; ++i) grezzi << QString::fromLocal8Bit(argv[i]);
        if (senzaFinestra(grezzi)) {
            QCoreApplication app(argc, argv);
            QCoreApplication::setApplicationName(QStringLiteral("aggettivi"));
            caricaTraduzioneToolkit(app);
            return eseguiSenzaFinestra(leggiComando(QCoreApplication::arguments()), out, err);
        }
    }

    CaratteriInAnticipo caratteri;
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("aggettivi"));
    caricaTraduzioneToolkit(app);
    // The toolkit has taken its own options out of the arguments by now.
    const Comando comando = leggiComando(QApplication::arguments());
    Preferenze preferenze = leggiPreferenze();
    preferenze.voce = preferenze.voce || comando.voce;
    preferenze.leggibile = preferenze.leggibile || comando.leggibile;
    if (comando.azione == Comando::Azione::scrivi) {
        ServiziQt servizi;
        ArchivioFile archivio;
        servizi.leggibile = preferenze.leggibile;
        servizi.vuoiVoce(true); // for "Ascolta"
        caratteri.attendi();
        FinestraScrittura scrittura(comando.file.isEmpty() ? fileNuoveFrasi()
                                                           : comando.file.constFirst(),
                                    servizi.servizi(), archivio);
        scrittura.show();
        return QApplication::exec();
    }
    if (comando.azione != Comando::Azione::finestra) return eseguiSenzaFinestra(comando, out, err);

    StatoCorsa stato;
    FrasiCorsa frasi(stato.frasi, comando.file);
    for (const QString& p : frasi.rapporto().problemi) err << p << '\n';
    err.flush();

    ServiziQt servizi;
    servizi.vuoiVoce(preferenze.voce);
    servizi.leggibile = preferenze.leggibile;
    std::unique_ptr<FinestraEsercizio> esercizio;
    caratteri.attendi();

    auto* inizio = new FinestraIniziale(stato, servizi.servizi(), [&] {
        frasi.concludi();
        esercizio = std::make_unique<FinestraEsercizio>(stato, servizi.servizi());
        collegaEsiti(*esercizio, servizi.servizi());
        esercizio->show();
    });
    frasi.collega(*inizio);
    inizio->impostaOpzioni(preferenze.voce, preferenze.leggibile);
    inizio->opzioniCambiate = [&](bool voce, bool leggibile) {
        preferenze = {voce, leggibile};
        salvaPreferenze(preferenze);
        servizi.vuoiVoce(voce);
        servizi.leggibile = leggibile;
    };
    // Said once, on the start window while it is there.
    servizi.quandoVoceGuasta =
        [&err, finestra = QPointer<FinestraIniziale>(inizio)](const QString& perche) {
            if (finestra)
                finestra->voceNonDisponibile(perche);
            else
                err << "aggettivi: la voce non è disponibile (" << perche << ")\n" << Qt::flush;
        };
    inizio->show();
    return QApplication::exec();
}
