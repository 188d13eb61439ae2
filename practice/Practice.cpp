#include "practice/Practice.h"

#include <algorithm>
#include <bit>

#include "journal/Lines.h"
#include "journal/Rows.h"
#include "platform/Platform.h"

namespace practice {

namespace {

constexpr float kGrowth[kGrowths] = {1.5f, 2, 3};
// The half-life at the first try of each candidate start, in days: doubling from half a day to a month.
constexpr float Start(int s) {
  return 0.5f * static_cast<float>(1 << s);
}
// How likely each start is before any answer: most facts hold a few days at first.
constexpr float kPrior[kStarts] = {0.0323f, 0.1072f, 0.2204f, 0.2802f, 0.2204f, 0.1072f, 0.0323f};
// The first try is weighed as if the fact had been seen a week before. A half-life never grows past a year.
constexpr int kFirstGap = 7;
constexpr float kLongest = 365;
constexpr float kLeastChance = 1e-4f;

// A fact counts as sure while its chance tomorrow is at least this.
constexpr float kSure = 0.9f;
// The place of a fact never tried, among the chances of the facts due: before those that keep failing.
constexpr float kNew = 0.3f;
constexpr float kAskedToday = -3;
constexpr float kTie = 1e-3f;
// How often the last place goes to any problem at all.
constexpr float kWander = 0.1f;

constexpr size_t kNewest = 128 * 1024;

std::uint64_t Hash(std::uint64_t hash, std::string_view text) {
  for (char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
  return hash;
}

// 1/n! from n = 7 down to 0.
constexpr float kSeries[] = {1.0f / 5040, 1.0f / 720, 1.0f / 120, 1.0f / 24, 1.0f / 6, 0.5f, 1, 1};

// Two to the power of x, for x up to 0; the library's exp would double the size of this file.
double Exp2(double x) {
  if (x < -1000) return 0;
  int whole = static_cast<int>(x);
  whole -= whole > x;
  // 2^f for f in [0, 1): the series of e^(f ln 2), to within 1e-6.
  const double f = (x - whole) * 0.693147182f;
  double power = 0;
  for (float term : kSeries) power = power * f + term;
  return power * std::bit_cast<double>(static_cast<std::uint64_t>(whole + 1023) << 52);
}

// No answer is taken as certain: a slip of the finger must not undo a year of right ones.
double Chance(double days, double halfLife) {
  return std::clamp(Exp2(-(days > 0 ? days : 0) / halfLife), double{kLeastChance}, double{1 - kLeastChance});
}

}  // namespace

std::string Newest(platform::Platform& platform, const std::wstring& journal) {
  auto file = platform.OpenInput(journal);
  if (!file) return {};
  // A few large reads into room for twice what is kept; whenever the room is full, its older half goes.
  const std::unique_ptr<char[]> room(new char[2 * kNewest]);
  char* const begin = room.get();
  size_t used = 0;
  bool cut = false;
  for (long n = 1; n > 0; used += static_cast<size_t>(n)) {
    if (used == 2 * kNewest) {
      std::copy_n(begin + kNewest, kNewest, begin);
      used = kNewest;
      cut = true;
    }
    n = file->Read(begin + used, static_cast<long>(2 * kNewest - used));
    if (n < 0) return {};
  }
  const char *end = begin + used, *from = end - std::min(used, kNewest);
  // A line cut in two is no line.
  if (cut || from > begin) {
    from = std::find(from, end, '\n');
    from += from < end;
  }
  return std::string(from, end);
}

std::uint64_t Key(int subject, std::string_view problem) {
  // Never 0, which marks an empty slot.
  return Hash(14695981039346656037u ^ static_cast<unsigned>(subject), problem) | 1;
}

void ProductKeys(std::uint64_t* keys) {
  constexpr size_t sign = sizeof journal::kTimes - 1;
  char problem[sign + 2];
  std::copy_n(journal::kTimes, sign, problem + 1);
  for (int k = 0; k < kProducts; ++k) {
    problem[0] = static_cast<char>('2' + k / 8);
    problem[sign + 1] = static_cast<char>('2' + k % 8);
    keys[k] = Key(0, std::string_view(problem, sizeof problem));
  }
}

Record::Record(std::string account)
    : account_(std::move(account)), facts_(std::make_unique<Fact[]>(kSlots)) {}

void Record::Read(std::string_view journal) {
  Digest(journal);
  // The lines without an account were taken for this child's before the journal named another account.
  if (foreign_ && withoutAccount_) {
    std::fill_n(facts_.get(), kSlots, Fact());
    count_ = 0;
    std::fill_n(evidence_[0], kSubjects * kGrowths, 1.0);
    Digest(journal);
  }
}

void Record::Digest(std::string_view journal) {
  journal::ForEachLine(journal, [this](std::string_view line) { Add(line); });
}

// Every answer typed and examined is a try; Learn keeps the first of each day.
void Record::Add(std::string_view line) {
  journal::Row row;
  if (!journal::ReadRow(line, row) || row.mark == journal::Mark::Unlocked ||
      row.typed.find_first_not_of(' ') == std::string_view::npos) {
    return;
  }
  if (row.hasAccount ? row.account != account_ : foreign_) {
    foreign_ = foreign_ || row.hasAccount;
    return;
  }
  withoutAccount_ = withoutAccount_ || !row.hasAccount;
  Learn(Key(row.subject, row.problem), row.subject, row.day, row.mark == journal::Mark::Right);
}

void Record::Learn(std::uint64_t key, int subject, int day, bool right) {
  Fact& fact = Slot(key);
  if (!fact.key) {
    // A table kept at most half full soon ends every search; past that, a new fact stays new.
    if (2 * ++count_ > kSlots) return;
    fact.key = key;
    fact.subject = subject;
    for (int m = 0; m < kGrowths; ++m) {
      for (int s = 0; s < kStarts; ++s) fact.halfLife[m][s] = Start(s);
      std::copy_n(kPrior, kStarts, fact.weight[m]);
    }
  }
  if (fact.tries > 0 && day <= fact.last) return;

  const double gap = fact.tries > 0 ? day - fact.last : kFirstGap;
  for (int m = 0; m < kGrowths; ++m) {
    double sum = 0;
    for (int s = 0; s < kStarts; ++s) {
      float& halfLife = fact.halfLife[m][s];
      const double chance = Chance(gap, halfLife);
      sum += fact.weight[m][s] *= static_cast<float>(right ? chance : 1 - chance);
      halfLife = std::clamp(right ? halfLife * kGrowth[m] : halfLife / 2, Start(s), kLongest);
    }
    for (float& weight : fact.weight[m]) weight = static_cast<float>(weight / sum);
    evidence_[subject][m] *= sum;
  }
  // Only the ratios count: the likeliest growth is kept at 1, and none falls so far below that it could
  // never come back.
  double* evidence = evidence_[subject];
  const double best = *std::max_element(evidence, evidence + kGrowths);
  for (int m = 0; m < kGrowths; ++m) evidence[m] = std::max(evidence[m] / best, double{1e-30f});
  fact.last = day;
  ++fact.tries;
}

Record::Fact& Record::Slot(std::uint64_t key) const {
  size_t at = static_cast<size_t>(key) % kSlots;
  while (facts_[at].key && facts_[at].key != key) at = (at + 1) % kSlots;
  return facts_[at];
}

float Record::Recall(std::uint64_t problem, int day) const {
  const Fact& fact = Slot(problem);
  return fact.tries > 0 ? Recall(fact, day) : -1;
}

float Record::Recall(const Fact& fact, int day) const {
  // Each growth counts as much as it foretold this subject's answers.
  const double* evidence = evidence_[fact.subject];
  double chance = 0, total = 0;
  for (int m = 0; m < kGrowths; ++m) {
    const double belief = evidence[m];
    total += belief;
    for (int s = 0; s < kStarts; ++s) {
      chance += belief * fact.weight[m][s] * Chance(day - fact.last, fact.halfLife[m][s]);
    }
  }
  return static_cast<float>(chance / total);
}

void Record::Deal(const std::uint64_t* problems, int count, int day, platform::Platform& platform,
                  int (&picks)[kDeal]) const {
  struct Choice {
    float score;
    int at;
  } choices[kMostProblems];
  int n = 0;
  for (int k = 0; k < count && k < kMostProblems; ++k) {
    int earlier = 0;
    while (problems[earlier] != problems[k]) ++earlier;
    if (earlier < k) continue;
    const Fact& fact = Slot(problems[k]);
    float score = kNew;
    if (fact.tries > 0) {
      const float tomorrow = Recall(fact, day + 1);
      score = fact.last >= day ? kAskedToday : tomorrow < kSure ? Recall(fact, day) : -tomorrow;
    }
    // Chances this close are the same to the model: among them, and among new facts, chance decides.
    choices[n++] = {score + kTie * platform.Rnd(), k};
  }

  const int dealt = std::min(n, kDeal);
  for (int r = 0; r < dealt; ++r) {
    for (int k = r + 1; k < n; ++k) {
      if (choices[k].score > choices[r].score) std::swap(choices[k], choices[r]);
    }
  }
  if (n > kDeal && platform.Rnd() < kWander) {
    const int other = kDeal - 1 + static_cast<int>(platform.Rnd() * static_cast<float>(n - kDeal + 1));
    std::swap(choices[kDeal - 1], choices[std::min(other, n - 1)]);
  }
  for (int r = 0; r < kDeal; ++r) picks[r] = dealt > 0 ? choices[r % dealt].at : 0;
}

}  // namespace practice
