#pragma once

#include <QRectF>
#include <QSize>
#include <vector>

class QWidget;

// Keeps a window's registered controls in proportion to the window: every
// geometry is computed afresh from the recorded design values, so no number
// of resizes can make them drift.
class AdattaFinestra {
public:
    // Sizes the registry to entries 0..numcomandi, discarding what it held.
    void preparatabelle(int numcomandi);
    void impostaFinestra(QWidget* w) { finestra = w; }
    void registra(int i, QWidget* controllo);

    // Maximizes the window, records the design geometry and scales the
    // controls to the screen.
    void adattaschermo();
    // Rescales every registered control to the window's current size.
    void ridimensiona();

    int numcomandi() const { return static_cast<int>(comandi.size()) - 1; }
    QWidget* comando(int i) const;
    QRectF registrato(int i) const;

private:
    void scala(double rx, double ry);

    QWidget* finestra = nullptr;
    std::vector<QWidget*> comandi;
    std::vector<QRectF> geometria;
    std::vector<double> punti;
    double largfinestra = 0;
    double altfinestra = 0;
};
