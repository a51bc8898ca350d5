#include "generators.h"
#include "problembank.h"
#include "randomsource.h"
#include "shuffle.h"

#include <QTest>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>
#include <vector>

using Quad = std::tuple<int32_t, int32_t, int32_t, int32_t>;

namespace {

Quad quad(const ProblemRecord &r) { return {r.Left, r.Right, r.Result, r.Remainder}; }

template <int32_t N> std::vector<Quad> sortedQuads(const SlotTable<N> &table, int32_t n) {
  std::vector<Quad> quads;
  for (int32_t slot = 1; slot <= n; ++slot)
    quads.push_back(quad(table.at(slot)));
  std::sort(quads.begin(), quads.end());
  return quads;
}

void setMarks(ProblemBank &bank, int32_t mark) {
  for (int32_t slot = 1; slot <= 1500; ++slot)
    bank.ProblemTable.at(slot).Mark = mark;
}

// Returns scripted draws in turn and records the bounds asked for.
class ScriptedRandom final : public RandomSource {
public:
  explicit ScriptedRandom(std::vector<int32_t> draws) : draws_(std::move(draws)) {}
  int32_t below(int32_t bound) override {
    bounds.push_back(bound);
    return draws_.at(next_++);
  }
  double unit() override { return 0.0; }
  void reseedFromClock() override { ++reseeds; }

  std::vector<int32_t> bounds;
  int reseeds = 0;

private:
  std::vector<int32_t> draws_;
  std::size_t next_ = 0;
};

} // namespace

class ProblemsTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void shouldRefuseSlotsOutsideTheTable() {
    ProblemBank bank;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)bank.ProblemTable.at(0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)bank.ProblemTable.at(1501));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)bank.HardProblemTable.at(101));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)bank.HardProblemTable.at(-1));
    bank.ProblemTable.at(1500).Left = 7;
    bank.HardProblemTable.at(100).Left = 8;
    QCOMPARE(bank.ProblemTable.at(1500).Left, 7);
    QCOMPARE(bank.HardProblemTable.at(1).Left, 0);
  }

  void shouldBuildTheSubtractionSet() {
    ProblemBank bank;
    bank.ProblemTable.at(300).Left = 99;
    bank.ProblemTable.at(501).Left = 42;
    generateSubtractionSet(bank);
    QCOMPARE(bank.ProblemCount, 56);
    QCOMPARE(quad(bank.ProblemTable.at(1)), Quad(0, 0, 0, 0));
    QCOMPARE(quad(bank.ProblemTable.at(2)), Quad(1, 1, 0, 0));
    QCOMPARE(quad(bank.ProblemTable.at(10)), Quad(9, 9, 0, 0));
    QCOMPARE(quad(bank.ProblemTable.at(11)), Quad(1, 0, 1, 0));
    QCOMPARE(quad(bank.ProblemTable.at(55)), Quad(9, 0, 9, 0));
    for (int32_t slot = 56; slot <= 500; ++slot)
      QCOMPARE(quad(bank.ProblemTable.at(slot)), Quad(0, 0, 0, 0));
    QCOMPARE(bank.ProblemTable.at(501).Left, 42); // the staging area is not the generator's
    std::set<std::pair<int32_t, int32_t>> facts;
    for (int32_t slot = 1; slot <= 55; ++slot) {
      const ProblemRecord &r = bank.ProblemTable.at(slot);
      QCOMPARE(r.Left - r.Right, r.Result);
      QVERIFY(r.Left <= 9 && r.Right >= 0 && r.Result >= 0);
      facts.insert({r.Left, r.Right});
    }
    QCOMPARE(facts.size(), std::size_t(55));
  }

  void shouldBuildTheDivisionSets() {
    ProblemBank bank;
    generateDivisionWithRemainder(bank);
    QCOMPARE(bank.ProblemCount, 324);
    QCOMPARE(quad(bank.ProblemTable.at(1)), Quad(2, 1, 3, 1));
    QCOMPARE(quad(bank.ProblemTable.at(2)), Quad(2, 2, 5, 1));
    QCOMPARE(quad(bank.ProblemTable.at(10)), Quad(3, 1, 4, 1));
    QCOMPARE(quad(bank.ProblemTable.at(324)), Quad(9, 9, 89, 8));
    QCOMPARE(quad(bank.ProblemTable.at(325)), Quad(0, 0, 0, 0));
    for (int32_t slot = 1; slot <= 324; ++slot) {
      const ProblemRecord &r = bank.ProblemTable.at(slot);
      QCOMPARE(r.Result, r.Left * r.Right + r.Remainder);
      QVERIFY(r.Remainder >= 1 && r.Remainder < r.Left);
    }

    generateDivisionWithoutRemainder(bank);
    QCOMPARE(bank.ProblemCount, 162);
    QCOMPARE(quad(bank.ProblemTable.at(1)), Quad(1, 1, 1, 0));
    QCOMPARE(quad(bank.ProblemTable.at(2)), Quad(1, 2, 2, 0));
    QCOMPARE(quad(bank.ProblemTable.at(81)), Quad(9, 9, 81, 0));
    for (int32_t slot = 1; slot <= 81; ++slot)
      QCOMPARE(quad(bank.ProblemTable.at(slot + 81)), quad(bank.ProblemTable.at(slot)));
    // The earlier, longer set is cleared, not left behind past slot 162.
    QCOMPARE(quad(bank.ProblemTable.at(163)), Quad(0, 0, 0, 0));
    QCOMPARE(quad(bank.ProblemTable.at(324)), Quad(0, 0, 0, 0));

    generateTimesTable(bank);
    QCOMPARE(bank.ProblemCount, 81);
    std::set<std::pair<int32_t, int32_t>> factors;
    for (int32_t slot = 1; slot <= 81; ++slot) {
      const ProblemRecord &r = bank.ProblemTable.at(slot);
      QCOMPARE(r.Result, r.Left * r.Right);
      factors.insert({r.Left, r.Right});
    }
    QCOMPARE(factors.size(), std::size_t(81));

    clearGeneratedSlots(bank);
    QCOMPARE(bank.ProblemCount, 0);
    for (int32_t slot = 1; slot <= 500; ++slot)
      QCOMPARE(quad(bank.ProblemTable.at(slot)), Quad(0, 0, 0, 0));
  }

  void shouldBuildTheHardDivisionSet() {
    ProblemBank bank;
    bank.ProblemTable.at(1).Left = 5;
    bank.ProblemCount = 7;
    generateHardDivisionSet(bank);
    QCOMPARE(bank.ProblemCount, 100);
    QCOMPARE(bank.ProblemTable.at(1).Left, 5); // the main table is not touched
    QCOMPARE(quad(bank.HardProblemTable.at(1)), Quad(9, 6, 60, 6));
    QCOMPARE(quad(bank.HardProblemTable.at(96)), Quad(7, 0, 4, 4));
    QCOMPARE(quad(bank.HardProblemTable.at(100)), Quad(9, 7, 71, 8));
    std::set<std::pair<int32_t, int32_t>> entries;
    std::map<int32_t, int> divisors;
    for (int32_t slot = 1; slot <= 100; ++slot) {
      const ProblemRecord &r = bank.HardProblemTable.at(slot);
      QVERIFY2(r.Remainder != 0, qPrintable(QString::number(slot)));
      QCOMPARE(r.Result, r.Left * r.Right + r.Remainder);
      QVERIFY(r.Remainder < r.Left);
      entries.insert({r.Result, r.Left});
      ++divisors[r.Left];
      if (slot != 96) // every other entry needs a borrow in its last step
        QVERIFY2(r.Result % 10 < (r.Left * r.Right) % 10, qPrintable(QString::number(slot)));
    }
    QCOMPARE(entries.size(), std::size_t(100));
    QCOMPARE(divisors,
             (std::map<int32_t, int>{{3, 3}, {4, 4}, {6, 12}, {7, 22}, {8, 23}, {9, 36}}));
  }

  void shuffleShouldKeepTheRecordsAndTheMarks() {
    ProblemBank bank;
    generateDivisionWithRemainder(bank);
    for (int32_t slot = 1; slot <= 1500; ++slot)
      bank.ProblemTable.at(slot).Mark = slot % 4;
    const ProblemBank before = bank;
    MersenneRandom random(7, MersenneRandom::Reseed::Never);
    shuffleSlots(bank.ProblemTable, 100, random);

    QCOMPARE(sortedQuads(bank.ProblemTable, 100), sortedQuads(before.ProblemTable, 100));
    int moved = 0;
    for (int32_t slot = 1; slot <= 1500; ++slot) {
      QCOMPARE(bank.ProblemTable.at(slot).Mark, slot % 4);
      if (slot > 100)
        QCOMPARE(bank.ProblemTable.at(slot), before.ProblemTable.at(slot));
      else if (quad(bank.ProblemTable.at(slot)) != quad(before.ProblemTable.at(slot)))
        ++moved;
    }
    QVERIFY(moved > 50);
  }

  void shuffleShouldExchangeWithPartnersBelowTheLastSlot() {
    // Scripted draws 1, 0, 1 give partners 2, 1, 2 for slots 1, 2, 3: every
    // draw is bounded by n - 1, so slot n is never a partner and receives its
    // record at i = n.
    ScriptedRandom random({1, 0, 1});
    SlotTable<10> table;
    for (int32_t slot = 1; slot <= 3; ++slot)
      table.at(slot) = {slot, slot * 10, slot * 100, slot, slot};
    shuffleSlots(table, 3, random);
    QCOMPARE(random.bounds, (std::vector<int32_t>{2, 2, 2}));
    QCOMPARE(random.reseeds, 1);
    QCOMPARE(quad(table.at(1)), Quad(1, 10, 100, 1));
    QCOMPARE(quad(table.at(2)), Quad(3, 30, 300, 3));
    QCOMPARE(quad(table.at(3)), Quad(2, 20, 200, 2));
    QCOMPARE(table.at(2).Mark, 2);
  }

  void shuffledSubtractionSetShouldHoldZeroMinusZeroTwice() {
    MersenneRandom random(1, MersenneRandom::Reseed::Never);
    for (int round = 0; round < 50; ++round) {
      ProblemBank bank;
      generateSubtractionSet(bank);
      shuffleSlots(bank.ProblemTable, bank.ProblemCount, random);
      const auto quads = sortedQuads(bank.ProblemTable, 56);
      QCOMPARE(std::count(quads.begin(), quads.end(), Quad(0, 0, 0, 0)), 2);
      QCOMPARE(std::set<Quad>(quads.begin(), quads.end()).size(), std::size_t(55));
    }
  }

  void shuffleOfOneOrNoneShouldChangeNothing() {
    ProblemBank bank;
    generateSubtractionSet(bank);
    const ProblemBank before = bank;
    MersenneRandom random(3, MersenneRandom::Reseed::Never);
    shuffleSlots(bank.ProblemTable, 1, random);
    shuffleSlots(bank.ProblemTable, 0, random);
    shuffleSlots(bank.ProblemTable, -5, random);
    for (int32_t slot = 1; slot <= 1500; ++slot)
      QCOMPARE(bank.ProblemTable.at(slot), before.ProblemTable.at(slot));
  }

  void shuffleShouldStayInsideItsTable() {
    ProblemBank bank;
    generateHardDivisionSet(bank);
    MersenneRandom random(5, MersenneRandom::Reseed::Never);
    const auto before = sortedQuads(bank.HardProblemTable, 100);
    shuffleSlots(bank.HardProblemTable, 5000, random);
    QCOMPARE(sortedQuads(bank.HardProblemTable, 100), before);
    shuffleSlots(bank.ProblemTable, 1'000'000, random);
    QCOMPARE(bank.ProblemTable.at(1500).Left, 0);
  }

  void generatorsShouldLeaveTheMarks() {
    ProblemBank bank;
    setMarks(bank, 3);
    generateSubtractionSet(bank);
    generateDivisionWithRemainder(bank);
    generateDivisionWithoutRemainder(bank);
    generateHardDivisionSet(bank);
    clearGeneratedSlots(bank);
    for (int32_t slot = 1; slot <= 1500; ++slot)
      QCOMPARE(bank.ProblemTable.at(slot).Mark, 3);
  }

  void seededSourcesShouldRepeatAndStayInRange() {
    MersenneRandom a(11, MersenneRandom::Reseed::Never);
    MersenneRandom b(11, MersenneRandom::Reseed::Never);
    a.reseedFromClock();
    for (int i = 0; i < 1000; ++i) {
      const int32_t value = a.below(19);
      QCOMPARE(value, b.below(19));
      QVERIFY(value >= 0 && value < 19);
      const double u = a.unit();
      QCOMPARE(u, b.unit());
      QVERIFY(u >= 0.0 && u < 1.0);
    }
    QCOMPARE(a.below(0), 0);
    QCOMPARE(a.below(-3), 0);
  }
};

QTEST_APPLESS_MAIN(ProblemsTest)
#include "problems_test.moc"
