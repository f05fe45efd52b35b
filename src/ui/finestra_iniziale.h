#pragma once

#include "core/sessione.h"
#include "ui/adatta_finestra.h"
#include "ui/finestre.h"

#include <QStringList>
#include <QWidget>
#include <functional>

class AvvisoFrasi;
class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;

// What the start window says about the run's sentences.
struct FrasiInUso {
    QString riga; // for the teacher: "30 frasi incluse e 12 da 2B-gennaio.txt"
    int scartate = 0;
    QStringList problemi; // none: no notice
};

// The first window: the pupil chooses every word or adjectives only.
class FinestraIniziale : public QWidget {
    Q_OBJECT
public:
    // `apriEsercizio` shows the exercise window; it is called at most once.
    FinestraIniziale(StatoCorsa& run, Servizi seams, std::function<void()> quandoScelto,
                     QWidget* parent = nullptr);

    void scegliAnalisiCompleta(); // analisi completa
    void scegliSoloAggettivi();   // solo aggettivi
    void apriConClic();
    void apriPerTempo();
    void scegliAltreFrasi(); // the teacher picks other sentence files

    // The line on the sentences in use and, when something went wrong, the notice.
    void mostraFrasi(const FrasiInUso& f);
    // Makes the run use exactly these files' sentences and says what it uses
    // now; set by whoever loads the sentences. Unset, files are refused.
    std::function<FrasiInUso(const QStringList& file)> usaFile;
    // Asks the teacher for sentence files: a file dialog, which tests replace.
    std::function<QStringList(QWidget* finestra)> chiediFile;

    // The teacher is busy with the window (a dialog, the list of problems):
    // the ten seconds wait, and start afresh once every such thing is over.
    void sospendi();
    void riprendi();

    const AdattaFinestra& scala() const { return ridim; }

    // The two toggles, "Leggi ad alta voce" and "Alta leggibilità", as remembered.
    void impostaOpzioni(bool voce, bool leggibile);
    bool voce() const;
    bool leggibile() const;
    // Called when the pupil turns either toggle.
    std::function<void(bool voce, bool leggibile)> opzioniCambiate;
    // Says, once, that the voice cannot speak.
    void voceNonDisponibile(const QString& perche);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void apri();
    void usa(const QStringList& file);
    void collocaPiede();
    void opzioneCambiata();
    void collocaOpzioni();

    Sessione sessione;
    Servizi servizi;
    std::function<void()> apriEsercizio;
    AdattaFinestra ridim;
    QTimer* Timer1 = nullptr;
    QLabel* inUso = nullptr;
    QPushButton* altre = nullptr;
    AvvisoFrasi* avviso = nullptr;
    int occupata = 0;
    bool trascina = false;
    QCheckBox* Voce = nullptr;
    QCheckBox* Leggibile = nullptr;
    QLabel* AvvisoVoce = nullptr;
    bool aperto = false;
};
