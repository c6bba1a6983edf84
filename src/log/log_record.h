// One logged bet: 27 text fields of fixed width, 223 bytes on disk.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace pennant {

inline constexpr std::size_t kLogRecordLength = 223;

// Each field holds exactly its width in characters: a value is padded with
// blanks or cut, as it is stored. Text is UTF-8 here; on disk one byte per
// character (Windows-1252).
struct LogRecord {
    static constexpr std::size_t kRowHeight = 4, kBetDate = 10, kBetType = 9, kBetTerms = 9, kStakePerBet = 6,
                                 kTotalStake = 8, kSelName = 11, kSelResult = 7, kSelOdds = 6, kPayout = 12,
                                 kTaxPaid = 9, kLogOpeningBalance = 12;

    LogRecord() = default;

    std::string RowHeight = blanks(kRowHeight);
    std::string BetDate = blanks(kBetDate);
    std::string BetType = blanks(kBetType);
    std::string BetTerms = blanks(kBetTerms);
    std::string StakePerBet = blanks(kStakePerBet);
    std::string TotalStake = blanks(kTotalStake);
    std::array<std::string, 6> SelName = filled(kSelName);
    std::array<std::string, 6> SelResult = filled(kSelResult);
    std::array<std::string, 6> SelOdds = filled(kSelOdds);
    std::string Payout = blanks(kPayout);
    std::string TaxPaid = blanks(kTaxPaid);
    std::string LogOpeningBalance = blanks(kLogOpeningBalance);

    friend bool operator==(const LogRecord&, const LogRecord&) = default;

    static std::string blanks(std::size_t n) { return std::string(n, ' '); }
    static std::array<std::string, 6> filled(std::size_t n) {
        std::array<std::string, 6> a;
        a.fill(blanks(n));
        return a;
    }

    // The value as a field of `width` characters holds it: padded on the
    // right with blanks, or cut. Text that is not valid UTF-8 is taken as
    // Windows-1252 bytes, so every byte stays one character.
    static std::string fit(std::string_view value, std::size_t width);

    // Setters store a value padded or cut to the field's width. Selection
    // setters take the index 0..5 (selection 1..6).
    void setRowHeight(std::string_view v) { RowHeight = fit(v, kRowHeight); }
    void setBetDate(std::string_view v) { BetDate = fit(v, kBetDate); }
    void setBetType(std::string_view v) { BetType = fit(v, kBetType); }
    void setBetTerms(std::string_view v) { BetTerms = fit(v, kBetTerms); }
    void setStakePerBet(std::string_view v) { StakePerBet = fit(v, kStakePerBet); }
    void setTotalStake(std::string_view v) { TotalStake = fit(v, kTotalStake); }
    void setSelName(std::size_t i, std::string_view v) { SelName.at(i) = fit(v, kSelName); }
    void setSelResult(std::size_t i, std::string_view v) { SelResult.at(i) = fit(v, kSelResult); }
    void setSelOdds(std::size_t i, std::string_view v) { SelOdds.at(i) = fit(v, kSelOdds); }
    void setPayout(std::string_view v) { Payout = fit(v, kPayout); }
    void setTaxPaid(std::string_view v) { TaxPaid = fit(v, kTaxPaid); }
    void setLogOpeningBalance(std::string_view v) { LogOpeningBalance = fit(v, kLogOpeningBalance); }

    // The record as stored: exactly 223 bytes of Windows-1252. A character
    // that has no byte there is written as '?' (the windows accept only
    // text that has one, so this is a last defence, not a path users see).
    std::string toBytes() const;
    // A stored record read back. A short (partial) record reads as if padded
    // with blanks; bytes past 223 are ignored.
    static LogRecord fromBytes(std::string_view bytes);

private:
    // Fills every field straight from 223 stored bytes, without first
    // setting them to blanks: a full log is read this way.
    struct FromStored {};
    LogRecord(FromStored, std::string_view bytes);
};

}  // namespace pennant
