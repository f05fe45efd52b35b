#pragma once

#include "core/compositore.h"
#include "core/stato_corsa.h"
#include "ui/adatta_finestra.h"
#include "ui/finestre.h"
#include "ui/pannello.h"

#include <QString>
#include <QWidget>
#include <array>
#include <memory>

class FinestraEsercizio;
class QLabel;
class QLineEdit;
class QPushButton;

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
    void provaFrase();
    void nuovaFrase();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void costruisci();
    void premuto(Domanda d, int indice);
    void primaRisposta(bool var);
    // Shows the groups, the open question and the trail as the model has them.
    void aggiorna();
    void avvisa(const QString& testo, bool errore);

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
    std::array<QPushButton*, Compositore::maxGruppi + 1> gruppi{}; // 1..22

    struct Prova;
    std::unique_ptr<Prova> inProva;
};
