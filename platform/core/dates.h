#pragma once
// The standard date: a LONG day number, day 4 = 1 January 1801, 0 = no date.
// Valid day numbers are 4 .. 2,995,650. The calendar is the Gregorian one throughout, so
// 31 December 9999 is day 2,994,626 and the last valid day is 20 October 10002.
// Day number mod 7 = 0 is a Sunday.
// CLOCK: hundredths of a second after midnight, 1 .. 8,640,000 as the platform counts it
// (midnight is 1).

#include <cstdint>
#include <string>

namespace vx {

constexpr int32_t kFirstDayNumber = 4;
constexpr int32_t kLastDayNumber = 2995650;

bool validDayNumber(int32_t day);
// DATE(month, day, year): 0 when the date does not exist.
int32_t makeDate(int month, int day, int year);
// DAY / MONTH / YEAR: 0 for an invalid day number.
int dayOf(int32_t date);
int monthOf(int32_t date);
int yearOf(int32_t date);
bool isLeapYear(int year);
// 0 = Sunday ... 6 = Saturday (day number mod 7), for any valid day number.
int weekday(int32_t date);

// The packed DATE (DATABEGIN / DATAEND): byte 0 day, byte 1 month, bytes 2-3 year.
struct PackedDate {
    uint32_t raw = 0;
    static PackedDate fromDayNumber(int32_t date);  // 0 or invalid gives empty (0)
    static PackedDate of(int day, int month, int year);
    int day() const { return raw & 0xFF; }
    int month() const { return (raw >> 8) & 0xFF; }
    int year() const { return (raw >> 16) & 0xFFFF; }
    bool empty() const { return raw == 0; }
    // Standard day number; an empty or invalid packed date converts to 0.
    int32_t toDayNumber() const;
    friend bool operator==(PackedDate a, PackedDate b) { return a.raw == b.raw; }
};

// The program's clock. Real time unless a test or the script runner fixes it.
namespace clock {
int32_t today();  // TODAY
int32_t now();    // CLOCK
// Fix today's date and the time of day (hundredths after midnight); time then only moves by advance().
void fix(int32_t today, int32_t clock);
// Advance a fixed clock by hundredths of a second (rolls over into the next day).
void advance(int64_t hundredths);
// Back to real time.
void useRealTime();
bool isFixed();
}  // namespace clock

}  // namespace vx
