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
