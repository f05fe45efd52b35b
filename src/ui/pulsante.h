#pragma once

#include <QPushButton>

// A push button whose caption wraps onto several lines, as the long part-of-
// speech captions need in the narrow answer column, and shrinks when even
// wrapped it would not fit.
class Pulsante : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // Where the caption is drawn, and with which font.
    QRect areaTesto() const;
    QFont caratterePerTesto() const;
    // The caption as painted (the high-legibility look writes no word in capitals only).
    QString testoMostrato() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QRect ultimaArea;
};
