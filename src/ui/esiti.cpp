#include "ui/esiti.h"

#include "ui/finestra_esercizio.h"
#include "ui/finestra_risultato.h"
#include "ui/registro_errori.h"

void collegaEsiti(FinestraEsercizio& f, Servizi servizi) {
    QObject::connect(&f, &FinestraEsercizio::serieChiusa, &f, [&f, servizi](bool nuovoRecord) {
        FinestraRisultato finestra(f.corsa(), servizi, &f, nuovoRecord);
        servizi.modale.mostra(finestra);
    });
    QObject::connect(&f, &FinestraEsercizio::registroRichiesto, &f, [&f, servizi] {
        RegistroErrori* log = registroErrori(f);
        if (!log) log = new RegistroErrori(f.corsa(), servizi, f.nomiCategorie(), &f);
        log->show();
        log->raise();
        log->activateWindow();
        log->aggiorna();
    });
}

RegistroErrori* registroErrori(const FinestraEsercizio& f) {
    return f.findChild<RegistroErrori*>(QString(), Qt::FindDirectChildrenOnly);
}
