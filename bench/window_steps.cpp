#include "bench/window_steps.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "bench/fixture.h"
#include "bench/report.h"
#include "dictionary/names.h"
#include "platform/store/record_file.h"

namespace vx::bench {

using namespace dct;

void reportStep(const char* name, double ms, double limitMs, const std::string& what) {
    std::printf("%s ours_ms=%.1f limit_ms=%.0f %s%s\n", name, ms, limitMs, what.c_str(),
                ms < limitMs ? "" : " OVER LIMIT");
    std::fflush(stdout);
}

void play(const ui::Outcome& o, const char* what) {
    if (!o) throw std::runtime_error(std::string(what) + ": " + o.refusal);
}

namespace {

std::string firstRow(headless::Harness& h, const char* list) {
    const auto row = h.row(list, 1);
    std::string out;
    if (row)
        for (const std::string& c : *row) out += c + "|";
    return out;
}

}  // namespace

Steps pageDownToEnd(headless::Harness& h, const char* list) {
    Steps s;
    double total = 0;
    for (std::string top = firstRow(h, list);;) {
        const double ms = millisecondsOf([&] { play(h.key(list, "PageDown"), "page down"); });
        const std::string next = firstRow(h, list);
        if (next == top) break;
        top = next;
        ++s.count;
        total += ms;
        s.slowest = std::max(s.slowest, ms);
    }
    s.average = s.count ? total / s.count : 0;
    return s;
}

void addHoldingsAndFarms(int holdings, int farms, const std::function<void(int, int)>& eachFarm) {
    for (int h = 1; h <= holdings; ++h) {
        HOZ->IDHOZ = h;
        HOZ->NAME = "Хозяйство " + std::to_string(h);
        Add(HOZ);
        for (int f = 1; f <= farms; ++f) {
            FER->IDHOZ = h;
            FER->IDFERM = f;
            FER->NAME = "Ферма " + std::to_string(f);
            Add(FERMA);
            eachFarm(h, f);
        }
    }
}

void addBigFarm(int farm, int animals, const std::function<void(int)>& eachAnimal) {
    openFiles();
    FER->IDHOZ = 1;
    FER->IDFERM = farm;
    FER->NAME = "Большая ферма";
    Add(FERMA);
    for (int n = 1; n <= animals; ++n) eachAnimal(n);
    store::commitPendingWrites();
}

}  // namespace vx::bench
