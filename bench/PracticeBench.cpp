// The practice dealer against today's uniform one, on simulated children whose memory follows a fixed
// model, so that anyone can reproduce the figures. The program itself deals (its Form1 on the in-memory
// platform, with Practice set or not), and each answer goes into its journal as a check would write it:
// the practice dealer learns only what it would learn at a real child's computer.
//
// The learner: each item (a product 2..9 × 2..9, or one word of a dictionary of 100, English to Russian)
// has a difficulty d = exp(N(0, 0.7)), doubled for the products of two factors of 6 or more; its
// half-life starts at h0 = H0 / d days, and its last review was day −7. On morning t the program deals
// three items once; each is right with probability 2^(−(t − last) / h); then a right answer makes
// h = min(365, h × M), a wrong one h = max(h0, h / 2), and last = t. An item is known on morning t when
// its chance on morning t + 1 is at least 0.9.
//
//   practice_bench [--mult M] [--h0 H0] [--children N] [--mornings T] [--seed S] [--items products|words]
// (defaults 2, 4, 150, 365, 1, products) prints "<dealer> <morning> <share>": the mean share of known
// items after 30, 90, 180 and 365 mornings (those up to T, and T), for the uniform dealer and for practice,
// with the same children.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/Program.h"
#include "journal/Calendar.h"
#include "platform/sim/SimPlatform.h"

namespace {

struct Options {
  double mult = 2, h0 = 4;
  int children = 150, mornings = 365;
  unsigned seed = 1;
  bool words = false;
};

struct Item {
  double h0, h, last;
  double Chance(double day) const { return std::exp2(-(day - last) / h); }
};

// The in-memory platform with the dealer's random numbers from the bench's own seeded generator.
class BenchPlatform : public platform::SimPlatform {
 public:
  explicit BenchPlatform(std::uint64_t seed) : random_(seed) {}
  void Randomize() override {}
  float Rnd() override { return static_cast<float>(random_() >> 40) / 16777216.0f; }

 private:
  std::mt19937_64 random_;
};

constexpr int kWords = 100;
const int kFirstDay = journal::DayNumber(2024, 9, 2);

// One child with one dealer: the shares of known items after each morning.
std::vector<double> Child(const Options& options, int child, bool practice) {
  const int count = options.words ? kWords : 64;
  const std::uint64_t seed = options.seed * 1000003ull + static_cast<std::uint64_t>(child);
  std::mt19937_64 traits(seed), answers(seed ^ 0x9E3779B97F4A7C15ull);
  std::normal_distribution<double> spread(0, 0.7);
  std::uniform_real_distribution<double> uniform(0, 1);
  std::vector<Item> items(static_cast<size_t>(count));
  for (int k = 0; k < count; ++k) {
    double d = std::exp(spread(traits));
    if (!options.words && k / 8 + 2 >= 6 && k % 8 + 2 >= 6) d *= 2;
    items[static_cast<size_t>(k)] = {options.h0 / d, options.h0 / d, -7};
  }

  BenchPlatform sim(seed + 17);
  if (practice) sim.SetPolicy(platform::kPracticeValue, 1u);
  if (options.words) {
    std::string dictionary;
    for (int k = 0; k < kWords; ++k)
      dictionary += "w" + std::to_string(k) + "=t" + std::to_string(k) + "\r\n";
    sim.files[sim.PathOf(L"quorvel_vcb.ini")] = dictionary;
    sim.files[sim.PathOf(L"quorvel.ini")] = "Predmet=1\r\nFont=14,25\r\n";
  }
  app::Program program(sim);
  quiz::Form1& form1 = program.form1;

  std::vector<double> known;
  for (int t = 0; t < options.mornings; ++t) {
    const journal::Date date = journal::DateOf(kFirstDay + t);
    sim.localTime = {date.year, date.month, date.day, 7, 45, 0};
    // The first morning starts the program as the computer would; after it the quiz deals again each
    // morning, as the next start would, from a journal that has every answer.
    if (t == 0) {
      program.Start();
    } else {
      program.journal.QuizShown();
      if (options.words) {
        form1.DoSlova(1);
      } else {
        form1.DoPrimery();
      }
    }
    for (int row = 0; row < 3; ++row) {
      const int a = form1.nMnozh1[row + 1], b = form1.nMnozh2[row + 1];
      const int k = options.words ? std::stoi(form1.lblP[row].Caption().substr(1)) : (a - 2) * 8 + b - 2;
      Item& item = items[static_cast<size_t>(k)];
      const bool right = uniform(answers) < item.Chance(t);
      if (options.words) {
        const std::wstring answer = form1.sOtvet[row][0];
        program.journal.Word(0, 1, row, form1.lblP[row].Caption(), answer, L"", right ? answer : L"?", right);
      } else {
        program.journal.Product(0, row, a, b, std::to_wstring(a * b + !right),
                                right ? journal::Verdict::Right : journal::Verdict::Wrong);
      }
      item.h = right ? std::min(365.0, item.h * options.mult) : std::max(item.h0, item.h / 2);
      item.last = t;
    }
    int sure = 0;
    for (const Item& item : items) sure += item.Chance(t + 1) >= 0.9;
    known.push_back(static_cast<double>(sure) / count);
  }
  return known;
}

bool Parse(int argc, char** argv, Options& options) {
  for (int k = 1; k < argc; ++k) {
    const std::string flag = argv[k];
    if (k + 1 >= argc) return false;
    const char* value = argv[++k];
    if (flag == "--mult") {
      options.mult = std::atof(value);
    } else if (flag == "--h0") {
      options.h0 = std::atof(value);
    } else if (flag == "--children") {
      options.children = std::atoi(value);
    } else if (flag == "--mornings") {
      options.mornings = std::atoi(value);
    } else if (flag == "--seed") {
      options.seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
    } else if (flag == "--items" &&
               (std::strcmp(value, "products") == 0 || std::strcmp(value, "words") == 0)) {
      options.words = value[0] == 'w';
    } else {
      return false;
    }
  }
  return options.mult > 0 && options.h0 > 0 && options.children > 0 && options.mornings > 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!Parse(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: practice_bench [--mult M] [--h0 H0] [--children N] [--mornings T] [--seed S] "
                 "[--items products|words]\n");
    return 2;
  }
  std::vector<int> marks;
  for (int mark : {30, 90, 180, 365}) {
    if (mark < options.mornings) marks.push_back(mark);
  }
  marks.push_back(options.mornings);
  for (bool practice : {false, true}) {
    std::vector<double> sum(static_cast<size_t>(options.mornings), 0);
    for (int child = 0; child < options.children; ++child) {
      const std::vector<double> known = Child(options, child, practice);
      for (size_t t = 0; t < known.size(); ++t) sum[t] += known[t];
    }
    for (int mark : marks) {
      std::printf("%s %d %.3f\n", practice ? "practice" : "uniform", mark,
                  sum[static_cast<size_t>(mark - 1)] / options.children);
    }
  }
  return 0;
}
