#pragma once

#include <QPushButton>

// A push button whose caption wraps onto several lines, as the long part-of-
// speech captions need in the narrow answer column.
class Pulsante : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* e) override;
};

#include <QLabel>

// A one-line label whose text shrinks to fit its width rather than being cut.
class EtichettaAdattata : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* e) override;
};
