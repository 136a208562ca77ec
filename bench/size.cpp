#include "bench/size.h"

#include <algorithm>
#include <cstdlib>

namespace vx::bench {

namespace {

int chosen = kDefaultPassports;

bool parsed(const char* text, int& out) {
    if (!text || !*text) return false;
    char* end = nullptr;
    const long n = std::strtol(text, &end, 10);
    if (*end != '\0' || n < 1000 || n > 100000000 || n % 1000 != 0) return false;
    out = static_cast<int>(n);
    return true;
}

}  // namespace

bool choosePassports(const char* optionValue) {
    if (optionValue) return parsed(optionValue, chosen);
    const char* variable = std::getenv(kPassportsVariable);
    return !variable || parsed(variable, chosen);
}

int passports() { return chosen; }

std::string sized(const std::string& name, int64_t count) {
    if (count >= 1000000 && count % 1000000 == 0) return name + "-" + std::to_string(count / 1000000) + "m";
    if (count % 1000 == 0) return name + "-" + std::to_string(count / 1000) + "k";
    return name + "-" + std::to_string(count);
}

double limitForSize(double limitAt100k) {
    return limitAt100k * std::max(1.0, static_cast<double>(chosen) / kDefaultPassports);
}

}  // namespace vx::bench
