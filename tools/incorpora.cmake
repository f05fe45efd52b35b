# Writes USCITA, a C++ source that holds the bytes of INGRESSO, so that the
# program needs no file to run: cmake -DINGRESSO=... -DUSCITA=... -P incorpora.cmake
file(READ "${INGRESSO}" esadecimale HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," byte "${esadecimale}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n" byte "${byte}")
file(WRITE "${USCITA}.tmp" "// Generated from ${INGRESSO}; do not edit.
#include \"core/incorporate.h\"

namespace {
// A final 0 keeps the array valid when the file is empty.
const unsigned char dati[] = {
${byte}0};
} // namespace

std::string_view testoFrasiIncorporate() {
    return {reinterpret_cast<const char*>(dati), sizeof dati - 1};
}
")
file(RENAME "${USCITA}.tmp" "${USCITA}")
