#include "journal/Calendar.h"

namespace journal {

// Both directions count years from March, so that a leap day falls at the end of its year, in eras of
// 400 years, which all have the same 146097 days.

int DayNumber(int year, int month, int day) {
  year -= month <= 2;
  const int era = (year >= 0 ? year : year - 399) / 400;
  const int yearOfEra = year - era * 400;
  const int dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  return era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear - 719468;
}

Date DateOf(int dayNumber) {
  const int days = dayNumber + 719468;
  const int era = (days >= 0 ? days : days - 146096) / 146097;
  const int dayOfEra = days - era * 146097;
  const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int fromMarch = (5 * dayOfYear + 2) / 153;
  const int month = fromMarch < 10 ? fromMarch + 3 : fromMarch - 9;
  return {yearOfEra + era * 400 + (month <= 2), month, dayOfYear - (153 * fromMarch + 2) / 5 + 1};
}

int WeekdayOf(int dayNumber) {
  // 1970-01-01 was a Thursday.
  return (dayNumber % 7 + 10) % 7;
}

}  // namespace journal
