#pragma once

#include <QLabel>

// A one-line label whose text shrinks to fit its width rather than being cut.
class EtichettaAdattata : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* e) override;
};
