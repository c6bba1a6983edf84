// The prices of the thirteen bet types. Every return is a money value built
// by the leg chain; the rows are filled as raw amounts and then formatted.
#include <string>

#include "engine/frm_main.h"

namespace pennant {
namespace {

constexpr int kCountLabel = 29;   // Label30 is the singles count (legs = 1)
constexpr int kAmountLabel = 36;  // Label37 is the singles amount (legs = 1)
constexpr int kBonusPercent = 36, kBonusAmount = 43;

int binomial(int n, int r) {
    int c = 1;
    for (int i = 1; i <= r; ++i) c = c * (n - r + i) / i;
    return c;
}

}  // namespace

Money FrmMain::chain(const std::vector<int>& slots) const {
    Money r = unitstake.times(factor(slots[0])) + unitstake;
    for (std::size_t i = 1; i < slots.size(); ++i) r = r.times(factor(slots[i])) + r;
    return r;
}

Money FrmMain::chain(std::initializer_list<int> slots) const { return chain(std::vector<int>(slots)); }

// The summed returns of every multiple of each size on the k counted
// selections. Each multiple takes its slots in increasing order, so every
// multiple extends a smaller one by one leg: walking the slots depth first
// prices each prefix once and reuses it.
std::array<Money, 7> FrmMain::rowAmounts(int k) const {
    std::array<Money, 7> amounts{};
    auto walk = [&](auto& self, int from, int size, Money running) -> void {
        for (int s = from; s <= k; ++s) {
            Money r = size == 0 ? unitstake.times(factor(s)) + unitstake : running.times(factor(s)) + running;
            amounts[size + 1] += r;
            self(self, s + 1, size + 1, r);
        }
    };
    walk(walk, 1, 0, Money());
    return amounts;
}

// The Lucky singles: the stake-times-factor products are summed unrounded
// and rounded once, then the stakes are added back.
Money FrmMain::luckySingles(int k) const {
    double products = 0;
    for (int i = 1; i <= k; ++i) products += unitstake.toDouble() * factor(i);
    Money amount = Money::fromDouble(products);
    for (int i = 0; i < k; ++i) amount += unitstake;
    return amount;
}

bool FrmMain::anyZeroFactor() const {
    for (const Dyn& slot : odds)
        if (slot.number() == 0) return true;
    return false;
}

void FrmMain::setAmount(int label, Money amount) { Label[label] = amount.text(); }

Money FrmMain::labelMoney(int label) const {
    if (Label[label].empty()) return Money();
    auto v = readWhole(Label[label]);
    if (!v) throw CalcFailure("amount label");
    return Money::fromDouble(*v);
}

void FrmMain::straight(int legs) {
    bool pays = legs == 1 ? winners >= 1 : winners == legs;
    if (!pays) {
        resetwinnings();
        return;
    }
    std::vector<int> slots;
    for (int s = 1; s <= legs; ++s) slots.push_back(s);
    Label[kCountLabel + legs] = "1";
    setAmount(kAmountLabel + legs, chain(slots));
    formatwinnings();
    wintax();
}

void FrmMain::wsingle() { straight(1); }
void FrmMain::wdouble() { straight(2); }
void FrmMain::wtreble() { straight(3); }
void FrmMain::wfour() { straight(4); }
void FrmMain::wfive() { straight(5); }
void FrmMain::wsix() { straight(6); }

void FrmMain::wtrixie() {
    if (winners == 3) {
        Label[31] = "3";
        Label[32] = "1";
        setAmount(39, chain({1, 2, 3}));
        setAmount(38, rowAmounts(3)[2]);
    } else if (winners == 2) {
        Label[31] = "1";
        setAmount(38, chain({1, 2}));
    } else {
        resetwinnings();
        return;
    }
    formatwinnings();
    wintax();
}

// Every double, treble and larger multiple of k counted selections.
void FrmMain::fullCover(int k) {
    std::array<Money, 7> amounts = rowAmounts(k);
    for (int size = k; size >= 2; --size) {
        Label[kCountLabel + size] = std::to_string(binomial(k, size));
        setAmount(kAmountLabel + size, amounts[size]);
    }
    formatwinnings();
    wintax();
}

void FrmMain::wyankee() {
    switch (winners) {
        case 4: return fullCover(4);
        case 3:
        case 2: return wtrixie();  // with two: the one double on selections 1-2
        default: return resetwinnings();
    }
}

void FrmMain::wcanadian() {
    switch (winners) {
        case 5: return fullCover(5);
        case 4: return wyankee();
        case 3:
        case 2: return wtrixie();
        default: return resetwinnings();
    }
}

void FrmMain::wheinz() {
    switch (winners) {
        case 6: return fullCover(6);
        case 5: return wcanadian();
        case 4: return wyankee();
        case 3:
        case 2: return wtrixie();
        default: return resetwinnings();
    }
}

// The bonus row: a share of the singles to six-fold amounts as they stand;
// a non-runner (or odds that round to nothing) forfeits it where tested.
void FrmMain::luckyBonus(int percent, bool testZero) {
    Money base;
    for (int n = 37; n <= 42; ++n) base += labelMoney(n);
    Label[kBonusPercent] = std::to_string(percent) + "%";
    setAmount(kBonusAmount, Money::fromDouble(base.toDouble() * percent / 100));
    if (testZero && anyZeroFactor()) {
        Label[kBonusPercent].clear();
        Label[kBonusAmount].clear();
    }
}

// Every selection of a Lucky bet counted: the full cover with its own tax
// and format, then the singles and the bonus on top (none with a non-runner).
void FrmMain::luckyFullCover(int k, int percent) {
    fullCover(k);
    Label[30] = std::to_string(k);
    setAmount(37, luckySingles(k));
    luckyBonus(percent, true);
}

void FrmMain::wlucky15() {
    int k = winners;
    if (k == 4) {
        luckyFullCover(4, 10);
    } else if (k == 3) {
        wtrixie();
        Label[30] = "3";
        setAmount(37, luckySingles(3));
    } else if (k == 2) {
        Label[31] = "1";
        setAmount(38, chain({1, 2}));
        Label[30] = "2";
        setAmount(37, luckySingles(2));
    } else if (k == 1) {
        // A lone winner is paid twice: once as the single, once as the bonus.
        Label[30] = "1";
        Money single = unitstake.times(factor(1)) + unitstake;
        setAmount(37, single);
        setAmount(kBonusAmount, single);
    } else {
        resetwinnings();
        return;
    }
    formatwinnings();
    wintax();
}

// Fewer than five winners in a Lucky 31 or six in a Lucky 63: the Lucky 15
// rows without its bonus, but a lone winner still paid twice.
static void luckyBelowFive(FrmMain& m) {
    m.wlucky15();
    m.Label[kBonusAmount].clear();
    m.Label[kBonusPercent].clear();
    if (m.winners == 1) m.Label[kBonusAmount] = m.Label[37];
    m.formatwinnings();
    m.wintax();
}

void FrmMain::wlucky31() {
    int k = winners;
    if (k == 5) {
        luckyFullCover(5, 20);
    } else if (k >= 1 && k <= 4) {
        return luckyBelowFive(*this);
    } else {
        resetwinnings();
        return;
    }
    formatwinnings();
    wintax();
}

void FrmMain::wlucky63() {
    int k = winners;
    if (k == 6) {
        luckyFullCover(6, 25);
    } else if (k == 5) {
        // Five winners of six: the Lucky 31 and then a 10% bonus on top,
        // whatever the factors.
        wlucky31();
        luckyBonus(10, false);
    } else if (k >= 1 && k <= 4) {
        return luckyBelowFive(*this);
    } else {
        resetwinnings();
        return;
    }
    formatwinnings();
    wintax();
}

}  // namespace pennant
