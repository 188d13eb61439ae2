#include "journal/Report.h"

#include "journal/Calendar.h"
#include "journal/Lines.h"
#include "journal/Text.h"

namespace journal {

namespace {

// Small classes: c cards, n notes, g the multiplication grid, t the tables of words and mornings, x their
// cells of journal text, which wrap anywhere rather than widen the page (a phone never scrolls sideways)
// while the other cells keep their lines where there is room. Each child starts a printed page of their own.
// Numbers and their units are held together by no-break spaces (written as \u00a0 below).
const char kStyle[] =
    "body{max-width:60rem;margin:auto;padding:1rem;font:1rem/1.35 Segoe UI,sans-serif;color:#223}"
    "h1{font-size:1.4rem}h2{padding:0 .4rem;background:#027abb;color:#fff}"
    "h3{margin:1rem 0 .3rem;border-bottom:2px solid #027abb}.n,small{color:#667;font-size:.8rem}"
    ".c{display:flex;flex-wrap:wrap;gap:.6rem}.c>div{flex:1 1 16rem;border:1px solid #ccd;padding:.3rem "
    ".7rem}"
    "table{border-collapse:collapse}th,td{padding:.2rem .4rem;border-bottom:1px solid #dde;text-align:left;"
    "vertical-align:top}.c th{font-weight:normal}.x{overflow-wrap:anywhere}"
    ".g td,.g th{width:2.8rem;height:2.3rem;padding:0;text-align:center;vertical-align:middle;border:2px "
    "solid #fff}.g small{display:block;color:inherit}svg{width:100%;max-width:704px}"
    "*{-webkit-print-color-adjust:exact}@media(min-width:600px){.t td{white-space:nowrap}.t "
    ".x{white-space:normal}}"
    "@media(max-width:600px){th,td{padding:.2rem}.g td,.g th{width:2.1rem}table{font-size:.85rem}}"
    "@media print{@page{size:A4;margin:12mm}html{font-size:10.5px}body{max-width:none;padding:0}"
    "section+section{break-before:page}.c,svg,.g,tr{break-inside:avoid}}";

const char* const kSubjectNames[kSubjects] = {"таблица умножения", "англ. → рус.", "рус. → англ."};
const char* const kWeekdays[7] = {"пн", "вт", "ср", "чт", "пт", "сб", "вс"};

// Text from the journal: the characters that mean markup become references.
struct Escaped {
  std::string_view text;
};
Text& operator<<(Text& out, Escaped escaped) {
  for (char c : escaped.text) {
    const char* reference = c == '&'    ? "&amp;"
                            : c == '<'  ? "&lt;"
                            : c == '>'  ? "&gt;"
                            : c == '"'  ? "&quot;"
                            : c == '\'' ? "&#39;"
                                        : nullptr;
    out << (reference ? std::string_view(reference) : std::string_view(&c, 1));
  }
  return out;
}

// Text from the journal that may be long (an answer typed without a space, say): past `letters` letters it
// is cut with "…", and the whole of it is the title that a pointer resting on it shows.
struct Clipped {
  std::string_view text;
  int letters = 32;
};
Text& operator<<(Text& out, Clipped clipped) {
  const std::string_view text = clipped.text;
  size_t end = 0;
  for (int n = 0; end < text.size() && n < clipped.letters; ++n) {
    do ++end;
    while (end < text.size() && (text[end] & 0xC0) == 0x80);
  }
  if (end == text.size()) return out << Escaped{text};
  return out << "<span title=\"" << Escaped{text} << "\">" << Escaped{text.substr(0, end)} << "…</span>";
}

// "17.05", or with the year "17.05.2024".
struct Day {
  int number;
  bool withYear = false;
};
Text& operator<<(Text& out, Day day) {
  const Date date = DateOf(day.number);
  out << TwoDigits{date.day} << "." << TwoDigits{date.month};
  return day.withYear ? out << "." << date.year : out;
}

// "45 с", "2 мин 05 с", "1 ч 02 мин", kept on one line.
struct Seconds {
  int tenths;
};
Text& operator<<(Text& out, Seconds time) {
  const int seconds = (time.tenths + 5) / 10;
  if (seconds < 60) return out << seconds << "\u00a0с";
  if (seconds < 3600) return out << seconds / 60 << "\u00a0мин\u00a0" << TwoDigits{seconds % 60} << "\u00a0с";
  return out << seconds / 3600 << "\u00a0ч\u00a0" << TwoDigits{seconds / 60 % 60} << "\u00a0мин";
}

// The time from showing to unlocking, or `none` for a morning, or days, without one.
struct Unlock {
  int tenths;
  const char* none;
};
Text& operator<<(Text& out, Unlock unlock) {
  return unlock.tenths < 0 ? out << unlock.none : out << Seconds{unlock.tenths};
}

// "7 из 9" and, `withShare`, " (78 %)"; "—" when there is nothing to count.
struct OutOf {
  int part, whole;
  bool withShare = true;
};
Text& operator<<(Text& out, OutOf share) {
  if (share.whole == 0) return out << "—";
  out << share.part << "\u00a0из\u00a0" << share.whole;
  if (!share.withShare) return out;
  return out << " (" << (200 * share.part + share.whole) / (2 * share.whole) << "\u00a0%)";
}

// --- one child's sections ----------------------------------------------------------------------------------

void Card(Text& out, const char* title, const Period& period) {
  out << "<div><b>" << title << "</b><table><tr><th>Занятий</th><td>" << period.mornings
      << "</td></tr><tr><th>Медиана времени до «ВСЁ»</th><td>" << Unlock{period.medianUnlock, "—"}
      << "</td></tr><tr><th>Верно с первой попытки</th><td>";
  const char* separator = "";
  for (int subject = 0; subject < kSubjects; ++subject) {
    if (period.firstTries[subject] == 0) continue;
    out << separator << kSubjectNames[subject] << ": "
        << OutOf{period.firstRight[subject], period.firstTries[subject]};
    separator = "<br>";
  }
  out << (*separator ? "" : "—") << "</td></tr></table></div>";
}

void Summary(Text& out, const Child& child) {
  out << "<h3>Коротко</h3><div class=c>";
  Card(out, "Последние 7 дней", child.week);
  Card(out, "Последние 30 дней", child.month);
  out << "</div>";
}

// A step for the time axis that gives at most five lines, in tenths of a second.
int AxisStep(int highest) {
  for (int step : {150, 300, 600, 1200, 3000, 6000, 9000, 18000, 36000}) {
    if (highest <= 5 * step) return step;
  }
  return (highest / 5 / 36000 + 1) * 36000;
}

// Days along x from 10 to 590, 19 apart, and the time axis' labels to their right; time up from 0 at y 190
// to the axis' top at y 10.
void Chart(Text& out, int today, const Child& child) {
  out << "<h3>Время до «ВСЁ» по дням</h3>";
  int highest = -1;
  for (int value : child.daily) highest = value > highest ? value : highest;
  if (highest < 0) {
    out << "<p>За 30 дней задания ни разу не закончили кнопкой «ВСЁ».</p>";
    return;
  }
  const int step = AxisStep(highest), ceiling = highest > step ? (highest + step - 1) / step * step : step;
  auto y = [ceiling](int tenths) { return 190 - static_cast<int>(180.0 * tenths / ceiling); };

  out << "<svg viewBox=\"0 0 640 224\" font-size=\"13\" fill=\"#667\">";
  for (int tick = 0; tick <= ceiling; tick += step) {
    out << "<path d=\"M10 " << y(tick) << "H590\" stroke=\"#dde\"/><text x=\"594\" y=\"" << y(tick) + 4
        << "\">";
    if (tick % 600) {
      out << tick / 10 << " с";
    } else {
      out << tick / 600 << (tick ? " мин" : "");
    }
    out << "</text>";
  }
  for (int k = 0; k < kChartDays; ++k) {
    const int day = today - (kChartDays - 1) + k, x = 10 + 19 * k, value = child.daily[k];
    out << "<text x=\"" << x + 9 << "\" y=\"207\" text-anchor=\"middle\""
        << (WeekdayOf(day) >= 5 ? " fill=\"#c33\">" : ">") << DateOf(day).day << "</text>";
    if (value < 0) continue;
    out << "<rect x=\"" << x + 3 << "\" y=\"" << y(value) << "\" width=\"13\" height=\"" << 190 - y(value)
        << "\" fill=\"#027abb\"><title>" << Day{day} << ": " << Seconds{value} << "</title></rect>";
  }
  out << "<path d=\"M10 " << y(child.month.medianUnlock)
      << "H590\" stroke=\"#e70\" stroke-width=\"2\" stroke-dasharray=\"6 4\"/><text x=\"10\" y=\"222\">"
      << Day{today - (kChartDays - 1)} << "</text><text x=\"590\" y=\"222\" text-anchor=\"end\">"
      << Day{today, true}
      << "</text></svg><p class=n>Время от появления окна; за день — медиана. Пунктир — медиана за "
         "30 "
         "дней, красным — выходные.</p>";
}

// The shade grows with how sure the journal makes us that the fact is hard: from cream, through orange,
// to a deep red; a fact never asked has none.
void Cell(Text& out, const Fact& fact) {
  if (fact.asked == 0) {
    out << "<td>";
    return;
  }
  const int shade = static_cast<int>(100 * Hardness(fact.missed, fact.asked)), light = 96 - shade * 11 / 20;
  out << "<td title=\"неверно " << fact.missed << " из " << fact.asked << "\" style=\"background:hsl("
      << 45 - shade / 2 << ",85%," << light << (light < 62 ? "%);color:#fff\">" : "%)\">") << fact.missed
      << "<small>из " << fact.asked;
}

void Table(Text& out, const Child& child) {
  out << "<h3>Таблица умножения: ошибки с первой попытки</h3>";
  int asked = 0;
  for (const auto& row : child.table) {
    for (const Fact& fact : row) asked += fact.asked;
  }
  if (asked == 0) {
    out << "<p>Таблицу умножения ещё не решали.</p>";
    return;
  }
  out << "<table class=g><tr><th>×";
  for (int b = 2; b <= 9; ++b) out << "<th>" << b;
  for (int a = 2; a <= 9; ++a) {
    out << "<tr><th>" << a;
    for (const Fact& fact : child.table[a - 2]) Cell(out, fact);
  }
  out << "</table><p class=n>Ошибки с первой попытки из числа попыток. Чем краснее, тем вернее пример "
         "труден: 1 из 1 бледнее, чем 4 из 5.</p>";
}

void Words(Text& out, const Child& child) {
  out << "<h3>Слова с ошибками</h3>";
  // The latest mornings that had no dictionary, the newest first.
  const char* separator = "<p>Нет словаря, вместо слов было сообщение об ошибке: ";
  int days = 0, last = -1;
  for (size_t k = child.mornings.size(); k-- > 0 && days < 8;) {
    const Morning& morning = child.mornings[k];
    if (!morning.noDictionary || morning.day == last) continue;
    out << separator << Day{morning.day};
    separator = ", ";
    last = morning.day;
    ++days;
  }
  if (days) out << ".</p>";
  if (child.words.empty()) {
    out << (child.wordsAsked ? "<p>Ошибок в словах не было.</p>" : "<p>Слова ещё не решали.</p>");
    return;
  }
  out << "<table class=t><tr><th>Слово<th>Верный ответ<th>Ошибок<th>Что вписал ребёнок";
  for (const MissedWord& word : child.words) {
    out << "<tr><td class=x>" << Clipped{word.shown} << " <small>" << kSubjectNames[word.subject]
        << "</small><td class=x>" << Clipped{word.accepted} << "<td>" << OutOf{word.missed, word.asked, false}
        << "<td class=x>";
    separator = "";
    for (const auto& [typed, count] : word.wrong) {
      out << separator << Clipped{typed};
      if (count > 1) out << " (×" << count << ")";
      separator = ", ";
    }
    if (word.moreWrong) out << "…";
  }
  out << "</table>";
}

void Mornings(Text& out, const Child& child) {
  out << "<h3>Последние занятия</h3><table class=t><tr><th>Когда<th>До «ВСЁ»<th>Верно с первой "
         "попытки<th>Ошибки";
  const auto& mornings = child.mornings;
  for (size_t k = mornings.size(); k-- > 0 && k + 10 >= mornings.size();) {
    const Morning& morning = mornings[k];
    out << "<tr><td>" << kWeekdays[WeekdayOf(morning.day)] << "\u00a0" << Day{morning.day} << ", "
        << std::string_view(morning.start.data() + 11, 5)  // the start's hours and minutes
        << " <small>";
    const char* separator = "";
    if (morning.noDictionary) {
      out << "нет словаря";
      separator = ", ";
    }
    int tries = 0, right = 0;
    for (int subject = 0; subject < kSubjects; ++subject) {
      if (morning.firstTries[subject] == 0) continue;
      out << separator << kSubjectNames[subject];
      separator = ", ";
      tries += morning.firstTries[subject];
      right += morning.firstRight[subject];
    }
    out << "</small><td>" << Unlock{morning.unlock, "не закончено"} << "<td>" << OutOf{right, tries}
        << "<td class=x>" << Clipped{morning.mistakes, 60};
  }
  out << "</table><p class=n>«Не закончено» — закрыли не кнопкой «ВСЁ», например выключили компьютер.</p>";
}

void ChildSection(Text& out, int today, const Child& child) {
  out << "<section><h2>";
  if (child.account.empty()) {
    out << "Записи до обновления";
  } else {
    out << Escaped{child.account};
  }
  out << "</h2>";
  Summary(out, child);
  Chart(out, today, child);
  Table(out, child);
  Words(out, child);
  Mornings(out, child);
  out << "</section>";
}

}  // namespace

std::string ReportHtml(const Figures& figures, const platform::LocalTime& now) {
  Text out;
  out << "<!DOCTYPE html><html lang=ru><head><meta charset=utf-8><meta name=viewport "
         "content=\"width=device-width,initial-scale=1\"><title>Утренние задания: отчёт</title><style>"
      << kStyle << "</style></head><body><h1>Утренние задания: отчёт для родителей</h1><p class=n>Составлен "
      << Day{DayNumber(now.year, now.month, now.day), true} << " в " << TwoDigits{now.hour} << ":"
      << TwoDigits{now.minute};
  if (figures.mornings == 0) {
    out << ".</p><p>Записей пока нет: задания ещё не решали. Отчёт заполнится после первой проверки "
           "ответов.</p>";
  } else {
    out << "; занятий в журнале: " << figures.mornings << ", с " << Day{figures.firstDay, true} << " по "
        << Day{figures.lastDay, true} << ". Занятие — один запуск программы, первая попытка — первый ответ "
        << "на задание.</p>";
    for (const Child& child : figures.children) ChildSection(out, figures.today, child);
  }
  if (figures.childrenLeftOut > 0)
    out << "<p class=n>Ещё учётных записей: " << figures.childrenLeftOut << ".</p>";
  if (figures.skipped > 0)
    out << "<p class=n>Непонятных строк в журнале пропущено: " << figures.skipped << ".</p>";
  out << "<p class=n>Отчёт составлен по журналу quorvel_journal.txt и не покидает компьютер; удалите журнал, "
         "чтобы начать заново.</p></body></html>\r\n";
  return std::move(out.bytes);
}

}  // namespace journal
