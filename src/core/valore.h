#pragma once

#include <climits>
#include <string>
#include <variant>

// A run-state value that may be unset: unset reads as 0 in arithmetic and
// comparisons and as the empty text in a caption.
class Valore {
public:
    Valore() = default;
    Valore(int n) : v(n) {}
    Valore(double x) : v(x) {}

    bool impostato() const { return !std::holds_alternative<std::monostate>(v); }

    int intero() const {
        if (auto p = std::get_if<int>(&v)) return *p;
        if (auto p = std::get_if<double>(&v)) return static_cast<int>(*p);
        return 0;
    }
    double reale() const {
        if (auto p = std::get_if<double>(&v)) return *p;
        if (auto p = std::get_if<int>(&v)) return *p;
        return 0.0;
    }
    // The caption text: "" when unset.
    std::string testo() const {
        if (auto p = std::get_if<int>(&v)) return std::to_string(*p);
        if (auto p = std::get_if<double>(&v)) return std::to_string(*p);
        return {};
    }

    // Counters saturate instead of overflowing.
    Valore& operator++() {
        const int n = intero();
        v = n == INT_MAX ? n : n + 1;
        return *this;
    }

    operator int() const { return intero(); }

private:
    std::variant<std::monostate, int, double> v;
};
