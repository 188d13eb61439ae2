#include "journal/Report.h"

#include "journal/Calendar.h"
#include "journal/Lines.h"
#include "journal/Text.h"

namespace journal {

namespace {

// Small classes: c cards, n notes, w what scrolls sideways on a phone (r: starting from its right end, where
// the chart has today), g the multiplication grid.
// Numbers and their units are held together by no-break spaces (written as \u00a0 below).
const char kStyle[] =
    "body{max-width:60rem;margin:auto;padding:1rem;font:1rem/1.4 'Segoe UI',Tahoma,sans-serif;color:#223}"
    "h1{font-size:1.4rem}h2{font-size:1.15rem;margin:1.4rem 0 .4rem;border-bottom:2px solid #027abb}"
    "h3{font-size:1rem;margin:0}.n{color:#667;font-size:.85rem}"
    ".c{display:flex;flex-wrap:wrap;gap:.8rem}"
    ".c>div{flex:1 1 17rem;border:1px solid #ccd;border-radius:.5rem;padding:.5rem .8rem}"
    "table{border-collapse:collapse}"
    "th,td{padding:.3rem .5rem;border-bottom:1px solid #dde;text-align:left;vertical-align:top}"
    ".c th{font-weight:normal;padding-left:0}.w{overflow-x:auto}"
    ".g td,.g th{width:3rem;height:2.6rem;padding:0;text-align:center;vertical-align:middle;border:2px solid "
    "#fff}"
    "small{display:block;font-size:.7rem}svg{width:100%;min-width:34rem;max-width:44rem;direction:ltr}"
    "*{print-color-adjust:exact;-webkit-print-color-adjust:exact}"
    "@media(max-width:600px){body{padding:.5rem}.g td,.g th{width:2.2rem;height:2.2rem}th,td{padding:.2rem}"
    ".w table{font-size:.85rem}.r{direction:rtl}}"
    "@media print{@page{size:A4;margin:12mm}html{font-size:11px}body{max-width:none;padding:0}"
    "h2{margin:.9rem 0 .3rem}.c,svg,.g,tr{break-inside:avoid}svg{max-width:none}}";

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

// "7 из 9 (78 %)"; "—" when there is nothing to count.
struct OutOf {
  int part, whole;
};
Text& operator<<(Text& out, OutOf share) {
  if (share.whole == 0) return out << "—";
  return out << share.part << "\u00a0из\u00a0" << share.whole << " ("
             << (200 * share.part + share.whole) / (2 * share.whole) << "\u00a0%)";
}

// --- sections --------------------------------------------------------------------------------------------

void Card(Text& out, const char* title, const Period& period) {
  out << "<div><h3>" << title << "</h3><table><tr><th>Занятий</th><td>" << period.mornings
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

void Summary(Text& out, const Figures& figures) {
  out << "<section><h2>Коротко</h2><div class=c>";
  Card(out, "Последние 7 дней", figures.week);
  Card(out, "Последние 30 дней", figures.month);
  out << "</div><p class=n>Занятие — один запуск программы. Первая попытка — первый ответ на задание, до "
         "исправлений.</p></section>";
}

// A step for the time axis that gives at most five lines, in tenths of a second.
int AxisStep(int highest) {
  for (int step : {150, 300, 600, 1200, 3000, 6000, 9000, 18000, 36000}) {
    if (highest <= 5 * step) return step;
  }
  return (highest / 5 / 36000 + 1) * 36000;
}

// Days along x from 10 to 590, 19 apart, and the time axis' labels to their right, so that a phone that
// shows the chart's right end shows today and the scale; time up from 0 at y 190 to the axis' top at y 10.
void Chart(Text& out, const Figures& figures) {
  out << "<section><h2>Время до «ВСЁ» по дням</h2>";
  int highest = -1;
  for (int value : figures.daily) highest = value > highest ? value : highest;
  if (highest < 0) {
    out << "<p>За 30 дней задания ни разу не закончили кнопкой «ВСЁ».</p></section>";
    return;
  }
  const int step = AxisStep(highest), ceiling = highest > step ? (highest + step - 1) / step * step : step;
  auto y = [ceiling](int tenths) { return 190 - static_cast<int>(180.0 * tenths / ceiling); };

  out << "<div class=\"w r\"><svg viewBox=\"0 0 640 222\" font-size=\"11\" fill=\"#667\">";
  for (int tick = 0; tick <= ceiling; tick += step) {
    out << "<path d=\"M10 " << y(tick) << "H590\" stroke=\"#dde\"/><text x=\"596\" y=\"" << y(tick) + 4
        << "\">";
    if (tick % 600) {
      out << tick / 10 << " с";
    } else {
      out << tick / 600 << (tick ? " мин" : "");
    }
    out << "</text>";
  }
  for (int k = 0; k < kChartDays; ++k) {
    const int day = figures.today - (kChartDays - 1) + k, x = 10 + 19 * k, value = figures.daily[k];
    out << "<text x=\"" << x + 9 << "\" y=\"206\" text-anchor=\"middle\""
        << (WeekdayOf(day) >= 5 ? " fill=\"#c33\">" : ">") << DateOf(day).day << "</text>";
    if (value < 0) continue;
    out << "<rect x=\"" << x + 3 << "\" y=\"" << y(value) << "\" width=\"13\" height=\"" << 190 - y(value)
        << "\" fill=\"#027abb\"><title>" << Day{day} << ": " << Seconds{value} << "</title></rect>";
  }
  out << "<path d=\"M10 " << y(figures.month.medianUnlock)
      << "H590\" stroke=\"#e70\" stroke-width=\"2\" stroke-dasharray=\"6 4\"/><text x=\"10\" y=\"220\">"
      << Day{figures.today - (kChartDays - 1)} << "</text><text x=\"590\" y=\"220\" text-anchor=\"end\">"
      << Day{figures.today, true}
      << "</text></svg></div><p class=n>От появления окна до «ВСЁ» с тремя верными ответами; несколько "
         "запусков за день — "
         "медиана. Пунктир — медиана за 30 дней, красным — выходные.</p></section>";
}

// Pale green for a fact that is always right at the first try, through yellow, to red for one that
// always goes wrong; grey for one never asked.
void Cell(Text& out, const Fact& fact) {
  if (fact.asked == 0) {
    out << "<td style=\"background:#f3f4f6\"></td>";
    return;
  }
  const int hue = 120 - 120 * fact.missed / fact.asked, light = 88 - 38 * fact.missed / fact.asked;
  out << "<td style=\"background:hsl(" << hue << ",65%," << light << "%)"
      << (light < 62 ? ";color:#fff\">" : "\">") << fact.missed << "<small>из " << fact.asked
      << "</small></td>";
}

void Table(Text& out, const Figures& figures) {
  out << "<section><h2>Таблица умножения: ошибки с первой попытки</h2>";
  int asked = 0;
  for (const auto& row : figures.table) {
    for (const Fact& fact : row) asked += fact.asked;
  }
  if (asked == 0) {
    out << "<p>Таблицу умножения ещё не решали.</p></section>";
    return;
  }
  out << "<div class=w><table "
         "class=g><tr><th>×</th><th>2</th><th>3</th><th>4</th><th>5</th><th>6</th><th>7</th>"
         "<th>8</th><th>9</th></tr>";
  for (int a = 2; a <= 9; ++a) {
    out << "<tr><th>" << a << "</th>";
    for (const Fact& fact : figures.table[a - 2]) Cell(out, fact);
    out << "</tr>";
  }
  out << "</table></div><p class=n>В клетке: сколько раз ошибся с первой попытки, из скольких. Чем краснее, "
         "тем "
         "труднее. Строка — первый множитель, столбец — второй.</p></section>";
}

void Words(Text& out, const Figures& figures) {
  out << "<section><h2>Слова с ошибками</h2>";
  if (figures.words.empty()) {
    out << (figures.wordsAsked ? "<p>Ошибок в словах не было.</p>" : "<p>Слова ещё не решали.</p>")
        << "</section>";
    return;
  }
  out << "<div class=w><table><tr><th>Слово</th><th>Верный ответ</th><th>Ошибся с первой попытки</th>"
         "<th>Что вписал ребёнок</th></tr>";
  for (const MissedWord& word : figures.words) {
    out << "<tr><td>" << Escaped{word.shown} << "<small>" << kSubjectNames[word.subject % kSubjects]
        << "</small></td><td>" << Escaped{word.accepted} << "</td><td>" << OutOf{word.missed, word.asked}
        << "</td><td>";
    const char* separator = "";
    for (const auto& [typed, count] : word.wrong) {
      out << separator << Escaped{typed};
      if (count > 1) out << " (×" << count << ")";
      separator = ", ";
    }
    out << "</td></tr>";
  }
  out << "</table></div></section>";
}

void Mornings(Text& out, const Figures& figures) {
  out << "<section><h2>Последние занятия</h2><div class=w><table><tr><th>Когда</th><th>До «ВСЁ»</th>"
         "<th>Предмет</th><th>Верно с первой попытки</th><th>Ошибки</th></tr>";
  const auto& mornings = figures.mornings;
  for (size_t k = mornings.size(); k-- > 0 && k + 10 >= mornings.size();) {
    const Morning& morning = mornings[k];
    out << "<tr><td>" << kWeekdays[WeekdayOf(morning.day)] << "\u00a0" << Day{morning.day} << ", "
        << std::string_view(morning.start.data() + 11, 5)  // the start's hours and minutes
        << "</td><td>" << Unlock{morning.unlock, "не закончено"} << "</td><td>";
    const char* separator = "";
    int tries = 0, right = 0;
    for (int subject = 0; subject < kSubjects; ++subject) {
      if (morning.firstTries[subject] == 0) continue;
      out << separator << kSubjectNames[subject];
      separator = ", ";
      tries += morning.firstTries[subject];
      right += morning.firstRight[subject];
    }
    out << "</td><td>" << OutOf{right, tries} << "</td><td>" << Escaped{morning.mistakes} << "</td></tr>";
  }
  out << "</table></div><p class=n>«Не закончено» — программу закрыли не кнопкой «ВСЁ» (например, выключили "
         "компьютер).</p></section>";
}

}  // namespace

std::string ReportHtml(const Figures& figures, const platform::LocalTime& now) {
  Text out;
  out << "<!DOCTYPE html><html lang=ru><head><meta charset=utf-8><meta name=viewport "
         "content=\"width=device-width,initial-scale=1\"><title>Утренние задания: отчёт</title><style>"
      << kStyle << "</style></head><body><h1>Утренние задания: отчёт для родителей</h1><p class=n>Составлен "
      << Day{DayNumber(now.year, now.month, now.day), true} << " в " << TwoDigits{now.hour} << ":"
      << TwoDigits{now.minute};
  if (figures.mornings.empty()) {
    out << ".</p><p>Записей пока нет: они появятся, когда ребёнок начнёт решать задания.</p>";
  } else {
    out << "; занятий в журнале: " << static_cast<int>(figures.mornings.size()) << ", первое "
        << Day{figures.mornings.front().day, true} << ".</p>";
    Summary(out, figures);
    Chart(out, figures);
    Table(out, figures);
    Words(out, figures);
    Mornings(out, figures);
  }
  if (figures.skipped > 0)
    out << "<p class=n>Непонятных строк в журнале пропущено: " << figures.skipped << ".</p>";
  out << "<p class=n>Отчёт составлен по журналу quorvel_journal.txt рядом с программой и не покидает "
         "компьютер. "
         "Чтобы начать историю заново, удалите журнал.</p></body></html>\r\n";
  return std::move(out.bytes);
}

}  // namespace journal
