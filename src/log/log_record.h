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
    static constexpr std::size_t kRowHeight = 4, kBetDate = 10, kBetType = 9, kBetTerms = 9,
                                 kStakePerBet = 6, kTotalStake = 8, kSelName = 11, kSelResult = 7,
                                 kSelOdds = 6, kPayout = 12, kTaxPaid = 9, kLogOpeningBalance = 12;

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
};

}  // namespace pennant
