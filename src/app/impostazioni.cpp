#include "app/impostazioni.h"

#include <QSettings>
#include <memory>

namespace {
// Organisation and program both "aggettivi": QSettings then falls back from the
// user's file to /etc/xdg/aggettivi/aggettivi.conf by itself.
std::unique_ptr<QSettings> impostazioni() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("aggettivi"), QStringLiteral("aggettivi"));
}
} // namespace

Preferenze leggiPreferenze() {
    const auto s = impostazioni();
    Preferenze p;
    p.voce = s->value(chiave::voce, p.voce).toBool();
    p.leggibile = s->value(chiave::leggibile, p.leggibile).toBool();
    return p;
}

void salvaPreferenze(const Preferenze& p) {
    const auto s = impostazioni();
    s->setValue(chiave::voce, p.voce);
    s->setValue(chiave::leggibile, p.leggibile);
}
