#pragma once

#include <QString>

// What the program remembers for the user, with the school's defaults under it.
// The user's file is ~/.config/aggettivi/aggettivi.conf; a school sets defaults for
// everyone in /etc/xdg/aggettivi/aggettivi.conf (the same keys). A key the user
// never set reads the school's value, then the program's.
struct Preferenze {
    bool voce = false;      // "Leggi ad alta voce"
    bool leggibile = false; // "Alta leggibilità"
};

Preferenze leggiPreferenze();
// Stores the user's choice; the school's file is never written.
void salvaPreferenze(const Preferenze& p);

// The keys, as a teacher writes them in the configuration file.
namespace chiave {
inline const QString voce = QStringLiteral("accessibilita/voce");
inline const QString leggibile = QStringLiteral("accessibilita/leggibile");
} // namespace chiave
