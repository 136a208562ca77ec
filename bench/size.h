#pragma once
// The benchmark's size: the passports each case that builds passports adds,
// 100,000 unless `--passports N` or VETRIX_BENCH_PASSPORTS says otherwise, so
// one case run at several sizes shows how its cost grows.

#include <cstdint>
#include <string>

namespace vx::bench {

inline constexpr int kDefaultPassports = 100000;
// The environment variable the size is read from when no option gives it.
inline constexpr const char* kPassportsVariable = "VETRIX_BENCH_PASSPORTS";
inline constexpr const char* kPassportsOption = "--passports";

// From the option's value, else from the environment; false (and the size
// unchanged) when it is not a whole number of thousands, at least 1,000.
bool choosePassports(const char* optionValue);
int passports();

// "append" and 100,000 give "append-100k"; 1,000,000 gives "-1m".
std::string sized(const std::string& name, int64_t count);
// A limit set for 100,000 passports, for the size: whole-file work may take
// proportionally longer, never less.
double limitForSize(double limitAt100k);

}  // namespace vx::bench
