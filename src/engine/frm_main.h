// The main window as data: every control the calculation reads or writes,
// the engine state, and the handlers of bet entry. The Qt window shows this
// model and forwards each user event to the handler of the same name.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/dyn.h"
#include "engine/numbers.h"
#include "engine/project.h"
#include "platform/platform.h"

namespace pennant {

enum class Result { Win, Lose, NR };
enum class Terms { ToWin, Place4, Place5 };  // Option19, Option20, Option21

inline constexpr int kRows = 6;

struct SelectionRow {
    std::string name;            // Text1 .. Text6
    std::string odds = "EVENS";  // Combo1(0) .. Combo1(5)
    Result result = Result::Lose;
    bool shown = false;          // name box, odds box and result buttons
};

// The thirteen bet types, in the order of the bet-type list.
struct BetType {
    const char* name;
    int rows;                        // selections shown (and logged, printed)
    std::array<const char*, 6> composition;  // Label17 .. Label22
    const char* bets;                // Label52
};
const std::vector<BetType>& betTypes();
// The bet type of that exact name, or nullptr.
const BetType* findBetType(const std::string& name);

extern const std::array<const char*, 46> kOddsList;   // Combo1's list
extern const std::array<const char*, 25> kStakeList;  // Combo8's list

class FrmMain {
public:
    FrmMain(Project& project, Platform& platform);

    // ---- controls ----
    std::string Combo7 = "Select Bet";
    std::string Combo8 = "Stake";
    bool Check1 = true;
    Terms terms = Terms::ToWin;
    std::array<SelectionRow, kRows> row;
    // Captions by control number: Label[37] is Label37.
    std::array<std::string, 70> Label;
    std::array<std::string, 3> StatusBar1 = {"DATA LOGGED: NO", "LOGFILE:", "BETS LOGGED:"};
    bool statusBarShown = true;  // StatusBar1 visible, menustatus checked
    bool editState = false;      // UPDATE LOG and CANCEL shown, menus disabled
    CommonDialog CommonDialog1;

    // Label46/Label47 ("-TAX") and Label59 are shown by Check1's state.
    bool taxOnWinningsShown() const { return !Check1; }

    // ---- engine state ----
    int winners = 0;
    std::array<Dyn, kRows> odds;  // odds1 .. odds6: text, then factor
    double placefraction = 1;
    Money unitstake;
    int inputErrorsShown = 0;  // how often the input error was shown

    // ---- a user's changes: each sets the control and runs its event ----
    void setCombo7(const std::string& text);  // Combo7_Change when it differs
    void setCombo8(const std::string& text);  // Combo8_Change when it differs
    void pickOdds(int index, const std::string& text);  // Combo1_Click
    void typeOdds(int index, const std::string& text);  // typing runs nothing
    void pressKeyInOdds(int index, int keyCode);          // Combo1_KeyPress
    void clickOption(int number);                         // Option1 .. Option21
    void setCheck1(bool ticked);                          // Check1_Click when it differs

    static int optionFor(int rowIndex, Result result) {
        return rowIndex * 3 + (result == Result::Win ? 1 : result == Result::Lose ? 2 : 3);
    }

    // ---- handlers ----
    void Combo7_Change();
    void Combo8_Change();
    void Combo1_Click(int index);
    void Combo1_KeyPress(int index, int keyCode);
    void Option_Click(int number);
    void Check1_Click();
    void mnuNew_Click();
    void Command4_Click();

    // ---- the engine ----
    void Main();
    void stake();
    void resetwinnings();
    void formatwinnings();
    void wintax();
    void wsingle();
    void wdouble();
    void wtreble();
    void wfour();
    void wfive();
    void wsix();
    void wtrixie();
    void wyankee();
    void wcanadian();
    void wheinz();
    void wlucky15();
    void wlucky31();
    void wlucky63();

    void rd(int rowNumber);  // rd2 .. rd6
    void cl(int rowNumber);  // cl2 .. cl6

    // Start-up steps that fill the window before the settings are read:
    // odds "EVENS", the stake "1.00" with its recalculation, tax rate 9.
    void loadDefaults();
    // "LOGNAME: ..." and "BETS LOGGED: ..." from the project's log values.
    void showLogPanels();

    Project& project;
    Platform& platform;

private:
    void inputError();
    double factor(int slot) const { return odds[slot - 1].number(); }
    Money chain(std::initializer_list<int> slots) const;
    Money chain(const std::vector<int>& slots) const;
    std::array<Money, 7> rowAmounts(int k) const;  // by number of legs
    Money luckySingles(int k) const;
    bool anyZeroFactor() const;
    void setAmount(int label, Money amount);
    Money labelMoney(int label) const;
    void straight(int legs);
    void fullCover(int k);  // the Yankee, Canadian or Heinz rows on k counted selections
    void luckyBonus(int percent, bool testZero);
    void luckyFullCover(int k, int percent);
};

}  // namespace pennant
