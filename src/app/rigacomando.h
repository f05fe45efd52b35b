#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// The command line: which sentences to use, or a job done without a window.
struct Comando {
    enum class Azione { finestra, scrivi, aiuto, versione, verifica, esporta, errore };
    Azione azione = Azione::finestra;
    // The files after --frasi (finestra; empty: the default sources) or after
    // --verifica; after --scrivi, the file to add to (empty: the user's own).
    QStringList file;
    QString testo;           // aiuto: the help text; errore: what is wrong
    QStringList sconosciute; // options not ours, which the toolkit may take
    // --voce, --leggibile: on for this run, whatever the remembered choice.
    bool voce = false;
    bool leggibile = false;
};

// `argomenti` as QCoreApplication::arguments() gives them, the program first.
Comando leggiComando(const QStringList& argomenti);

// True when the command runs without a window, so that it needs no display:
// it names --help, --version, --verifica or --esporta, or it is wrong in a way
// the toolkit's own options (-platform, -style...) cannot explain.
bool senzaFinestra(const QStringList& argomenti);

// Runs every action but `finestra`; the exit code: 0 all well, 1 problems
// found by --verifica, 2 a wrong command line.
int eseguiSenzaFinestra(const Comando& c, QTextStream& out, QTextStream& err);
