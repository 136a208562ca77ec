#pragma once
// A database of the benchmark's size in a fresh temporary folder: 10 holdings of
// 10 farms each, the passports (bench/size.h) spread evenly over the farms, three
// VPO records per passport.

#include <filesystem>
#include <string>

#include "bench/size.h"

namespace vx::bench {

inline constexpr int kHoldings = 10;
inline constexpr int kFarmsPerHolding = 10;
inline constexpr int kMeasuresPerPassport = 3;

struct Fixture {
    std::filesystem::path folder;
    // Sets the disk names and the current folder to a new temporary folder.
    Fixture();
    ~Fixture();
    std::string file(const std::string& name) const { return (folder / name).string(); }
};

// The passport fields for number i (1-based), into the thread's PASPORT buffer.
void fillPassport(int i);
// Registers and opens the files the cases use.
void openFiles();
// The reference books and the holdings and farms.
void addBooksAndHoldings();
// The VPO records of every passport.
void addMeasures();

}  // namespace vx::bench
