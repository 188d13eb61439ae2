// Practice: what this child keeps missing, learned from the journal, and a deal of three that brings it back.
//
// A fact is one problem of one subject as the journal writes it ("7 × 8", or a word as it was shown). Its
// estimate follows a simple model of memory: the chance of a right answer halves with every half-life
// that passes after a try; a right answer stretches the half-life, a wrong one halves it (never below
// where the fact began). Only the first answer to a fact on a day counts: the answers after it come once
// the child has seen the mark, or the fact in another deal, and say little. How long a fact held at first,
// and how far a right answer stretches it for this child, nobody knows: the record keeps a few candidates of
// each and weighs them by how well they foretold the answers so far.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace platform {
class Platform;
}

namespace practice {

constexpr int kDeal = 3;
constexpr int kSubjects = 3;  // 0 multiplication, 1 English to Russian, 2 Russian to English
constexpr int kProducts = 64;
// The most problems a deal chooses from (a dictionary holds at most 101).
constexpr int kMostProblems = 128;
// The candidates: how far a right answer stretches the half-life, and the half-life at the first try.
constexpr int kGrowths = 3, kStarts = 7;

// What practice reads of the journal at start-up: its newest 128 KB from the first whole line on, half a
// year of mornings or more (in which practice brings back every fact), and a few milliseconds to learn
// from even when the journal is full; nothing when it cannot be read.
std::string Newest(platform::Platform& platform, const std::wstring& journal);

// A problem of a subject, as the journal writes it, by a number of its own.
std::uint64_t Key(int subject, std::string_view problem);
// The problems of the multiplication table, 2 × 2 to 9 × 9: a × b is number (a − 2) × 8 + b − 2.
void ProductKeys(std::uint64_t* keys);

class Record {
 public:
  // `account`: this child's account as the journal writes it. Lines of other accounts are never this
  // child's; lines without an account (written before the journal had the column) are, unless the
  // journal names another account anywhere.
  explicit Record(std::string account);

  // The journal's text as the run found it, into a record that has read nothing yet. Lines that are not
  // the journal's are passed over.
  void Read(std::string_view journal);
  // A line the journal has just written, without its line end.
  void Add(std::string_view line);

  // The chance of a right first try at the problem on `day` (journal/Calendar.h's numbers); negative for a
  // problem never tried.
  float Recall(std::uint64_t problem, int day) const;

  // Chooses three different problems of `problems` for `day` and puts their positions into `picks`: first
  // the facts whose chance tomorrow has fallen below sure, the likeliest to be won back first; then facts
  // never tried; then the rest, the nearest to due first. The last place goes now and then to any problem
  // at all, so that every fact keeps a chance. Problems this day already asked wait while there are
  // others. When fewer than three problems differ, they come again in turn. Past kMostProblems problems
  // are left out.
  void Deal(const std::uint64_t* problems, int count, int day, platform::Platform& platform,
            int (&picks)[kDeal]) const;

 private:
  struct Fact {
    std::uint64_t key;  // 0: an empty slot
    int subject;
    int last;   // the day of the last try that counted
    int tries;  // tries that counted
    float halfLife[kGrowths][kStarts];
    float weight[kGrowths][kStarts];  // of each candidate, summing to 1 for each growth
  };
  void Digest(std::string_view journal);
  void Learn(std::uint64_t key, int subject, int day, bool right);
  // The fact's slot, or the empty slot where it would go.
  Fact& Slot(std::uint64_t key) const;
  float Recall(const Fact& fact, int day) const;

  std::string account_;
  bool foreign_ = false;  // a line of another account was seen
  // The facts by key, in open addressing.
  static constexpr size_t kSlots = 2048;
  std::unique_ptr<Fact[]> facts_;
  size_t count_ = 0;
  // How well each growth foretold the answers of each subject: its likelihood, against the likeliest's.
  double evidence_[kSubjects][kGrowths] = {{1, 1, 1}, {1, 1, 1}, {1, 1, 1}};

  bool withoutAccount_ = false;  // a line without an account was taken for this child's
};

}  // namespace practice
