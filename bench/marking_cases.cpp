#include "bench/marking_cases.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <thread>

#include "bench/report.h"
#include "context/globals.h"
#include "database/database_choice.h"
#include "dictionary/names.h"
#include "platform/store/record_file.h"
#include "registry/marking/age_synchronisation.h"
#include "registry/marking/marking_scans.h"
#include "registry/marking/passport_marking.h"

namespace vx::bench {

using namespace dct;

namespace {

constexpr double kLimitMs = 2000;

void reportAgainstLimit(const std::string& name, double ms, const std::string& what = {}) {
    const double limit = limitForSize(kLimitMs);
    std::printf("%s ours_ms=%.1f limit_ms=%.0f %s%s\n", name.c_str(), ms, limit, ms < limit ? "ok" : "OVER",
                what.c_str());
    std::fflush(stdout);
}

// The second station of mark-all-<size>-two-stations: this program again, adding passports.
// Spawned, not forked: a fork would leave every page of this process copy-on-write,
// and the cases after it would pay a fault for each page they write to.
pid_t startSecondStation(const Fixture& fx) {
    std::string program = "vetrix-bench", station = kSecondStation, folder = fx.folder.string(),
                option = kPassportsOption, size = std::to_string(passports());
    char* const args[] = {program.data(), station.data(), folder.data(), option.data(), size.data(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, args, environ) != 0)
        throw std::runtime_error("the second station did not start");
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // its files open, its first passports added
    return child;
}

void markEveryPassport() {
    Set(PASPORT);
    while (Next(PASPORT)) {
        PAS->CHEK = 1;
        Put(PASPORT);
    }
    store::commitPendingWrites();
}

}  // namespace

void markingCases(const Fixture& fx) {
    using namespace registry::marking;
    markEveryPassport();
    reportAgainstLimit(sized("mark-all", passports()), millisecondsOf([] {
                           runMarking(7, MarkingPath::List);
                           store::commitPendingWrites();
                       }));

    glo::IDHOZ = 1;
    glo::IDFERM = 1;
    markEveryPassport();
    const pid_t station = startSecondStation(fx);
    bool anyRead = false;
    bool stored = false;
    const int64_t before = Records(PASPORT);
    const double twoStations = millisecondsOf([&] { stored = markGroup(7, anyRead); });
    kill(station, SIGTERM);
    waitpid(station, nullptr, 0);
    reportAgainstLimit(sized("mark-all", passports()) + "-two-stations", twoStations,
                       std::string(stored ? " stored" : " NOT STORED") +
                           " added_meanwhile=" + std::to_string(Records(PASPORT) - before));

    reportAgainstLimit(sized("plan-status", passports()), millisecondsOf([] {
                           markByPlanStatus(16, {Decimal::fromMantissa(101, 1), Decimal(1)});
                           store::commitPendingWrites();
                       }));

    reportAgainstLimit(sized("age-sync", passports()), millisecondsOf([] {
                           storeAges();
                           store::commitPendingWrites();
                       }));
}

void runSecondStation(const std::string& folder) {
    glo::initialise();
    database::chooseDatabaseFolder(folder + "/");
    openFiles();
    // A station entering passports, each committed at once, as a form's OK does.
    for (int i = 1;; ++i) {
        fillPassport(passports() + i);
        PAS->ID = 10 * passports() + i;
        Add(PASPORT);
        store::commitPendingWrites();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

}  // namespace vx::bench
