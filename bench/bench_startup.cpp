// Start-up as the pupil sees it: the start window, then the exercise window
// with the bank filled, each up to its first paint. With --prima it stops at
// the first window.
#include "app/caratteri_in_anticipo.h"
#include "app/caricafrasi.h"
#include "primo_disegno.h"
#include "qt/servizi_qt.h"
#include "ui/esiti.h"
#include "ui/finestra_esercizio.h"
#include "ui/finestra_iniziale.h"

#include <QApplication>
#include <QStyleFactory>
#include <memory>

int main(int argc, char* argv[]) {
    CaratteriInAnticipo caratteri; // as the program does
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    StatoCorsa stato;
    caricaFrasi(stato.frasi, {}); // as the program does: built-in sentences, then the folders
    ServiziQt servizi;
    caratteri.attendi();
    PrimoDisegno disegno;
    std::unique_ptr<FinestraEsercizio> esercizio;
    auto* inizio = new FinestraIniziale(stato, servizi.servizi(), [&] {
        esercizio = std::make_unique<FinestraEsercizio>(stato, servizi.servizi());
        collegaEsiti(*esercizio, servizi.servizi());
        disegno.osserva(esercizio.get(), PrimoDisegno::esci);
        esercizio->show();
    });
    const bool soloPrima = argc > 1 && QByteArray(argv[1]) == "--prima";
    disegno.osserva(inizio, [inizio, soloPrima] {
        if (soloPrima)
            PrimoDisegno::esci();
        else
            inizio->scegliAnalisiCompleta();
    });
    inizio->show();
    const int r = QApplication::exec();
    PrimoDisegno::riporta();
    return r;
}
