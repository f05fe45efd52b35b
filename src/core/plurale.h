#pragma once

#include <string>
#include <string_view>

// "1 frase", "2 frasi", "0 frasi": the words agree with the count.
inline std::string quante(long long n, std::string_view una, std::string_view tante) {
    return std::to_string(n) + ' ' + std::string(n == 1 ? una : tante);
}
