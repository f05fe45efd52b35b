#pragma once

#include "core/frasi.h"

#include <QString>
#include <QStringList>

// Reading sentence files from disk, a thin layer around the pure parser.

// Larger files are refused unread: no sentence file comes near it (101
// sentences take some 60 KB).
inline constexpr qint64 maxByteFile = 1024 * 1024;

struct RapportoFrasi {
    int caricate = 0;     // sentences in the bank after the load
    int scartate = 0;     // sentences left out: broken, or no room left
    QStringList problemi; // in Italian, "file:line: what is wrong"
};

// The aggettivi/frasi folders: the user's data location, then the system ones.
QStringList cartelleFrasi();

// Where the writing window adds new sentences by default: a file in the
// user's own folder, so that the drill finds them at its next start.
QString fileNuoveFrasi();

// Every *.txt in those folders, folder by folder, each in file-name order. A
// name already found in an earlier folder is skipped: the user's copy wins.
QStringList fileFrasiPredefiniti();

// Adds the sentences of `file`, in order, after those already in `banca`
// until it is full. A file named twice is read once.
RapportoFrasi caricaFile(Frasi& banca, const QStringList& file);

// The start-up load. With no files: the built-in sentences, then the folders.
// With files: only their sentences, or the built-in ones when none of them loads,
// so that the pupil always has sentences.
RapportoFrasi caricaFrasi(Frasi& banca, const QStringList& file);
