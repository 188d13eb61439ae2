// Days as numbers, so that the journal's mornings can be counted back from today and grouped by day.
#pragma once

namespace journal {

// Days since 1970-01-01 (before it, negative), in the Gregorian calendar; months and days from 1.
int DayNumber(int year, int month, int day);

struct Date {
  int year, month, day;
};
// The inverse of DayNumber.
Date DateOf(int dayNumber);

// 0 Monday to 6 Sunday.
int WeekdayOf(int dayNumber);

}  // namespace journal
