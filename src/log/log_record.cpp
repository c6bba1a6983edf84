#include "log/log_record.h"

#include <utility>

#include "engine/text.h"

namespace pennant {
namespace {

bool isAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

bool startsCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

// Calls f(field, width) for the 27 fields in their stored order.
template <class Record, class F>
void forEachField(Record& r, F&& f) {
    f(r.RowHeight, LogRecord::kRowHeight);
    f(r.BetDate, LogRecord::kBetDate);
    f(r.BetType, LogRecord::kBetType);
    f(r.BetTerms, LogRecord::kBetTerms);
    f(r.StakePerBet, LogRecord::kStakePerBet);
    f(r.TotalStake, LogRecord::kTotalStake);
    for (auto& s : r.SelName) f(s, LogRecord::kSelName);
    for (auto& s : r.SelResult) f(s, LogRecord::kSelResult);
    for (auto& s : r.SelOdds) f(s, LogRecord::kSelOdds);
    f(r.Payout, LogRecord::kPayout);
    f(r.TaxPaid, LogRecord::kTaxPaid);
    f(r.LogOpeningBalance, LogRecord::kLogOpeningBalance);
}

// Appends the field as exactly `width` Windows-1252 bytes.
void appendField(std::string& out, std::string_view utf8, std::size_t width) {
    std::string field = LogRecord::fit(utf8, width);
    if (isAscii(field)) {
        out += field;
        return;
    }
    for (std::size_t i = 0; i < field.size();) {
        std::size_t end = i + 1;
        while (end < field.size() && !startsCharacter(field[end])) ++end;
        auto byte = utf8ToCp1252(std::string_view(field).substr(i, end - i));
        out += byte && byte->size() == 1 ? *byte : std::string("?");
        i = end;
    }
}

}  // namespace

std::string LogRecord::fit(std::string_view value, std::size_t width) {
    std::string text = isValidUtf8(value) ? std::string(value) : cp1252ToUtf8(value);
    std::size_t chars = 0, i = 0;
    for (; i < text.size(); ++i) {
        if (!startsCharacter(text[i])) continue;
        if (chars == width) break;
        ++chars;
    }
    text.resize(i);
    text.append(width - chars, ' ');
    return text;
}

std::string LogRecord::toBytes() const {
    std::string out;
    out.reserve(kLogRecordLength);
    forEachField(*this, [&](const std::string& field, std::size_t width) { appendField(out, field, width); });
    return out;
}

namespace {

// Field text from stored bytes; most logs are plain ASCII.
std::string fieldAt(std::string_view bytes, std::size_t offset, std::size_t width) {
    std::string_view raw = bytes.substr(offset, width);
    return isAscii(raw) ? std::string(raw) : cp1252ToUtf8(raw);
}

template <std::size_t... I>
std::array<std::string, 6> groupAt(std::string_view bytes, std::size_t offset, std::size_t width,
                                   std::index_sequence<I...>) {
    return {fieldAt(bytes, offset + I * width, width)...};
}

}  // namespace

LogRecord::LogRecord(FromStored, std::string_view b)
    : RowHeight(fieldAt(b, 0, kRowHeight)),
      BetDate(fieldAt(b, 4, kBetDate)),
      BetType(fieldAt(b, 14, kBetType)),
      BetTerms(fieldAt(b, 23, kBetTerms)),
      StakePerBet(fieldAt(b, 32, kStakePerBet)),
      TotalStake(fieldAt(b, 38, kTotalStake)),
      SelName(groupAt(b, 46, kSelName, std::make_index_sequence<6>())),
      SelResult(groupAt(b, 112, kSelResult, std::make_index_sequence<6>())),
      SelOdds(groupAt(b, 154, kSelOdds, std::make_index_sequence<6>())),
      Payout(fieldAt(b, 190, kPayout)),
      TaxPaid(fieldAt(b, 202, kTaxPaid)),
      LogOpeningBalance(fieldAt(b, 211, kLogOpeningBalance)) {}

LogRecord LogRecord::fromBytes(std::string_view bytes) {
    if (bytes.size() >= kLogRecordLength) return LogRecord(FromStored{}, bytes);
    std::string padded(bytes);
    padded.resize(kLogRecordLength, ' ');
    return LogRecord(FromStored{}, padded);
}

}  // namespace pennant
