#pragma once

#include "core/frasi.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <sys/stat.h>
#include <vector>

// Reading sentence files from disk, a thin layer around the pure parser.

// Larger files are refused unread: no sentence file comes near it (101
// sentences take some 60 KB).
inline constexpr qint64 maxByteFile = 1024 * 1024;

struct RapportoFrasi {
    int caricate = 0;                  // sentences in the bank after the load
    int scartate = 0;                  // sentences left out: broken, or no room left
    QStringList problemi;              // in Italian, "file:line: what is wrong"
    int incorporate = 0;               // of the sentences in the bank, the built-in ones
    QList<QPair<QString, int>> daFile; // each file that gave sentences, with how many
};

// The bytes of a sentence file, or why they cannot be had. Only a regular
// file (or a link to one) is read, decided on the opened file: a pipe or a
// device put in its place could block or never end.
struct Contenuto {
    QByteArray dati;
    QString errore;      // Italian, without the file's name; empty when read
    bool manca = false;  // nothing by that name
    bool esiste = false; // a regular file, opened; `info` is its status
    struct stat info {};
};
Contenuto leggiFileFrasi(const QString& nome);

// What the run uses, in one short line for the teacher:
// "30 frasi incluse e 12 da 2B-gennaio.txt".
QString rigaInUso(const RapportoFrasi& r);

// A folder named in a configuration file, and where it is named
// ("/etc/xdg/aggettivi/aggettivi.conf:3"), for the teacher's messages.
struct CartellaConfigurata {
    QString cartella;
    QString dove;
};

// The extra sentence folders (a class's shared folder) named by the key
// `cartelle` of group [frasi], a comma-separated list, in aggettivi/aggettivi.conf
// of the user's then the system's configuration folders (~/.config, /etc/xdg).
// Costs a look at two file names when there is none.
QList<CartellaConfigurata> leggiConfigurazione();
// The same folders, each once: the writing window offers them for saving.
QStringList cartelleConfigurate();

// One file read from disk, or why it could not be.
struct FileLetto {
    QString nome;
    QByteArray dati;
    QString errore;
};
// A folder's *.txt files in file-name order, read whole; `errore` when the
// folder itself cannot be read. Blocks as long as the disk (or the network) does.
struct CartellaLetta {
    QString cartella;
    QString errore;
    std::vector<FileLetto> file;
    QStringList problemi; // "file: why" for names that cannot even be read
};
CartellaLetta leggiCartella(const QString& cartella);

// Adds files already read, as caricaFile does, to `r`.
void caricaLetti(Frasi& banca, const std::vector<FileLetto>& file, RapportoFrasi& r);

// The aggettivi/frasi folders: the user's data location, then the system ones.
QStringList cartelleFrasi();

// Where the writing window adds new sentences by default: a file in the
// user's own folder, so that the drill finds them at its next start.
QString fileNuoveFrasi();

// Every *.txt of a folder, in file-name order, whatever it is: the load names
// what is not a file. What cannot even be named (a name that is not UTF-8, a
// folder that cannot be read) goes to `problemi`, "folder: why".
QStringList fileDellaCartella(const QString& cartella, QStringList* problemi);

// Those of every folder above, folder by folder. A name already found in an
// earlier folder is skipped: the user's copy wins. `anche`: a file counted as
// there even before it exists (one about to be saved).
QStringList fileFrasiPredefiniti(QStringList* problemi = nullptr, const QString& anche = {});

// The files named on the command line, a folder standing for its *.txt.
QStringList fileIndicati(const QStringList& file, QStringList* problemi);

// The teachers' guide, Markdown with its pictures beside it: in "guida"
// beside the program (the build tree), else in the installation's share
// folder; empty when neither is there.
QString fileGuida();

// Adds the sentences of `file`, in order, after those already in `banca`
// until it is full. A file named twice is read once.
RapportoFrasi caricaFile(Frasi& banca, const QStringList& file);

// The start-up load. With no files: the built-in sentences, then the folders.
// With files: only their sentences, or the built-in ones when none of them loads,
// so that the pupil always has sentences.
RapportoFrasi caricaFrasi(Frasi& banca, const QStringList& file);

// What the drill will make, at its next start, of `f` added at the end of
// `file`, which holds `esistente` now: the load that reads the file (the
// folders' with the built-in sentences, or the file opened alone), its limit,
// sentences met twice, the file's encoding.
struct EsameAggiunta {
    QString rifiuto;    // why `f` must not go in; empty when it may
    QStringList avvisi; // what the teacher should know even so
    int posti = 0;      // places left in that load, `f` in
};
EsameAggiunta esaminaAggiunta(const QString& file, const QByteArray& esistente, const Frase& f);
