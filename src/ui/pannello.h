#pragma once

#include "core/albero.h"
#include "core/rgb.h"

#include <QObject>
#include <array>
#include <functional>
#include <string_view>
#include <vector>

class QLabel;
class QPushButton;
class QWidget;

// The answer column and the trail of the exercise window, as the drill and
// the sentence-writing window both show them: the first question's two
// buttons, every question's buttons with the tree's captions and colours at
// their design places, and the trail labels display(1..10).
class PannelloDomande {
public:
    explicit PannelloDomande(QWidget* padre) : finestra(padre) {}

    // The buttons, hidden but for the first question's two; `premuto` is
    // called with the question and the Index of an answer button.
    void costruisciBottoni(std::function<void(Domanda, int)> premuto);
    // The trail, hidden. Built after the buttons and the feedback label, so
    // that it stands above the latter.
    void costruisciTraccia();

    QPushButton* Com10 = nullptr;
    QPushButton* Com11 = nullptr;
    QPushButton* bottone(Domanda d, int indice) const;
    const std::vector<QPushButton*>& serie(Domanda d) const;
    QLabel* traccia(int i) const; // display(i), 1..10

    void mostra(Domanda d, bool visibile);
    // Every answer button hidden but the first question's two; the trail hidden.
    void azzera();
    // Writes `testo` into display(i) on its colour, and shows it.
    void scrivi(int i, std::string_view testo, Rgb colore);
    // The buttons of the open question, top to bottom as on screen: the digit
    // keys follow this order, whatever the buttons' indices.
    std::vector<QPushButton*> aperti() const;
    // The button the digit key `n` (1..9) presses, when visible and enabled.
    QPushButton* perTasto(int n) const;

private:
    QWidget* finestra;
    std::array<std::vector<QPushButton*>, numDomande> bottoni; // [question][Index - 1]
    std::array<QLabel*, 11> display{};                         // 1..10
};
