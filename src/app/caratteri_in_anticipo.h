#pragma once

#include <thread>

// Reads the system's font configuration on the other core while the toolkit
// starts: the first text of the first window would otherwise wait for it,
// and an empty window, the yardstick of start-up, never reads it at all.
// Join before the first font is looked up: both sides then share the one
// configuration rather than reading it twice.
class CaratteriInAnticipo {
public:
    CaratteriInAnticipo();
    ~CaratteriInAnticipo() { attendi(); }
    CaratteriInAnticipo(const CaratteriInAnticipo&) = delete;
    CaratteriInAnticipo& operator=(const CaratteriInAnticipo&) = delete;

    void attendi() {
        if (lettura.joinable()) lettura.join();
    }

private:
    std::thread lettura;
};
