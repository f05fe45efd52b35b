#pragma once

#include "core/compositore.h"
#include "core/stato_corsa.h"
#include "ui/adatta_finestra.h"
#include "ui/finestre.h"
#include "ui/pannello.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>

class FinestraEsercizio;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;

// The teacher's window: a new sentence typed, cut into word groups, each group
// classified with the drill's own buttons, then saved to a sentence file.
class FinestraScrittura : public QWidget {
    Q_OBJECT
public:
    // `file`: where `archivio` adds the sentences.
    FinestraScrittura(QString file, Servizi seams, Archivio& archivio, QWidget* parent = nullptr);
    ~FinestraScrittura() override;

    const QString& file() const { return destinazione; }
    const Compositore& frase() const { return compositore; }
    // The exercise window of the last "Prova", if still open.
    FinestraEsercizio* prova() const;

    void dividiFrase();
    void unisciGruppi();
    void separaGruppo();
    void scegliGruppo(int indice); // 1-based
    void tornaIndietro();
    void riapriGruppo();
    void saltaGenere();
    bool salvaFrase();
    // Salva into a file the teacher chooses (a USB stick, the class folder).
    bool salvaFraseIn();
    void provaFrase();
    void nuovaFrase();
    void mostraGuida();

    // The teachers' guide beside the program (build tree) or in its share
    // folder (installed); empty when neither has it.
    static QString cercaGuida();
    // Where Guida looks; tests point it elsewhere.
    QString guida = cercaGuida();
    QTextBrowser* finestraGuida() const;
    // The typed sentence read aloud, as pupils will hear it.
    void ascoltaFrase();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void costruisci();
    // What every click and key does first: the exact text typed so far is
    // the group's, and the message of the last action goes.
    void inizioAzione();
    void applicaEsatto();
    // Classified words that no save has written yet.
    bool daSalvare() const;
    // Whether the words analysed may be dropped: nothing unsaved, or the
    // teacher said so (after saving, when she asked for that).
    bool lasciaAndare(const QString& domanda);
    void chiudiProva();
    // Complete and acceptable to the drill; says why not.
    bool salvabile();
    bool salvaNel(const QString& file);
    void premuto(Domanda d, int indice);
    void primaRisposta(bool var);
    // Shows the groups, the open question and the trail as the model has them.
    void aggiorna();
    // The outcome of this action; until the next one it takes the hint's place.
    void avvisa(const QString& testo, bool errore);
    QString suggerimento() const;

    QString destinazione;
    Servizi servizi;
    Archivio& archivio;
    Compositore compositore;
    PannelloDomande risposte{this};
    AdattaFinestra ridim;

    QLabel* istruzioni = nullptr;
    QLineEdit* testoFrase = nullptr;
    QLineEdit* testoEsatto = nullptr;
    QLabel* messaggio = nullptr;
    QPushButton* salta = nullptr;
    QPushButton* riapri = nullptr;
    QPushButton* unisci = nullptr;
    QPushButton* separa = nullptr;
    QPointer<QTextBrowser> lettoreGuida;
    QString esito;
    bool esitoErrore = false;
    // The sentence as the last save wrote it, in the file's own text.
    std::string salvata;
    QString cartellaScelta;                                        // of the last "Salva in…"
    std::array<QPushButton*, Compositore::maxGruppi + 1> gruppi{}; // 1..22

    struct Prova;
    std::unique_ptr<Prova> inProva;
};
