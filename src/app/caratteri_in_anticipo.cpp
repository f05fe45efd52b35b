#include "app/caratteri_in_anticipo.h"

#include <fontconfig/fontconfig.h>
#include <system_error>

CaratteriInAnticipo::CaratteriInAnticipo() {
    try {
        lettura = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: the toolkit reads the configuration itself.
    }
}
