#include "platform/core/dates.h"

#include <chrono>
#include <ctime>
#include <mutex>

namespace vx {

namespace {

constexpr int kFirstYear = 1801;
constexpr int64_t kHundredthsPerDay = 8640000;

// Days since 1 March of year 0 in the proleptic Gregorian calendar (civil-from-days method).
constexpr int64_t serialOf(int year, int month, int day) {
    const int64_t y = month <= 2 ? year - 1 : year;
    const int64_t era = y / 400;
    const int64_t yoe = y - era * 400;
    const int64_t mp = month > 2 ? month - 3 : month + 9;
    const int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

constexpr int64_t kSerialOfDay4 = serialOf(kFirstYear, 1, 1);

struct Civil {
    int year, month, day;
};

Civil civilOf(int32_t dayNumber) {
    const int64_t z = kSerialOfDay4 + (dayNumber - kFirstDayNumber);
    const int64_t era = z / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

int daysInMonth(int month, int year) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

struct ClockState {
    std::mutex lock;
    bool fixed = false;
    int32_t today = 0;
    int64_t hundredths = 0;  // after midnight
};

ClockState& clockState() {
    static ClockState state;
    return state;
}

struct LocalNow {
    int32_t today;
    int64_t hundredths;
};

LocalNow localNow() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const int64_t centis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000 / 10;
    std::tm local{};
    localtime_r(&seconds, &local);
    const int32_t today = makeDate(local.tm_mon + 1, local.tm_mday, local.tm_year + 1900);
    const int64_t hundredths = (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) * 100 + centis;
    return {today, hundredths};
}

}  // namespace

bool validDayNumber(int32_t day) { return day >= kFirstDayNumber && day <= kLastDayNumber; }

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int32_t makeDate(int month, int day, int year) {
    if (year < kFirstYear || year > yearOf(kLastDayNumber) || month < 1 || month > 12) return 0;
    if (day < 1 || day > daysInMonth(month, year)) return 0;
    const int64_t number = serialOf(year, month, day) - kSerialOfDay4 + kFirstDayNumber;
    return number <= kLastDayNumber ? static_cast<int32_t>(number) : 0;
}

int dayOf(int32_t date) { return validDayNumber(date) ? civilOf(date).day : 0; }
int monthOf(int32_t date) { return validDayNumber(date) ? civilOf(date).month : 0; }
int yearOf(int32_t date) { return validDayNumber(date) ? civilOf(date).year : 0; }

int weekday(int32_t date) { return ((date % 7) + 7) % 7; }

PackedDate PackedDate::fromDayNumber(int32_t date) {
    if (!validDayNumber(date)) return {};
    const Civil c = civilOf(date);
    return of(c.day, c.month, c.year);
}

PackedDate PackedDate::of(int day, int month, int year) {
    PackedDate p;
    p.raw = (static_cast<uint32_t>(day) & 0xFF) | ((static_cast<uint32_t>(month) & 0xFF) << 8) |
            ((static_cast<uint32_t>(year) & 0xFFFF) << 16);
    return p;
}

int32_t PackedDate::toDayNumber() const { return empty() ? 0 : makeDate(month(), day(), year()); }

namespace clock {

int32_t today() {
    ClockState& s = clockState();
    {
        std::lock_guard guard(s.lock);
        if (s.fixed) return s.today;
    }
    return localNow().today;
}

int32_t now() {
    ClockState& s = clockState();
    {
        std::lock_guard guard(s.lock);
        if (s.fixed) return static_cast<int32_t>(s.hundredths + 1);
    }
    return static_cast<int32_t>(localNow().hundredths + 1);
}

void fix(int32_t today, int32_t clock) {
    ClockState& s = clockState();
    std::lock_guard guard(s.lock);
    s.fixed = true;
    s.today = today;
    s.hundredths = ((clock % kHundredthsPerDay) + kHundredthsPerDay) % kHundredthsPerDay;
}

void advance(int64_t hundredths) {
    ClockState& s = clockState();
    std::lock_guard guard(s.lock);
    if (!s.fixed || hundredths <= 0) return;
    const int64_t total = s.hundredths + hundredths;
    s.today += static_cast<int32_t>(total / kHundredthsPerDay);
    s.hundredths = total % kHundredthsPerDay;
}

void useRealTime() {
    ClockState& s = clockState();
    std::lock_guard guard(s.lock);
    s.fixed = false;
}

bool isFixed() {
    ClockState& s = clockState();
    std::lock_guard guard(s.lock);
    return s.fixed;
}

}  // namespace clock

}  // namespace vx
