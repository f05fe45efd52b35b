#pragma once

#include <QGroupBox>

// A frame of the bottom bar: its caption inside the border, clear of it on
// every side, above the figure it names. The style's group box put a small
// caption right on the border line, hard to read at classroom screen sizes.
class Riquadro : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

    // Where the caption is painted, and with which font (smaller only where
    // the frame is too narrow for it).
    QRect areaTitolo() const;
    QFont carattereTitolo() const;

protected:
    void paintEvent(QPaintEvent* e) override;
};
