#include "settings/value_file.h"

#include "engine/numbers.h"
#include "engine/text.h"

namespace pennant {
namespace {

bool isBlankOrTab(char c) { return c == ' ' || c == '\t'; }
bool isLineBreak(char c) { return c == '\r' || c == '\n'; }

// Values the plain form would not give back unchanged.
bool needsQuotes(std::string_view value) {
    if (value.empty()) return false;
    if (isBlankOrTab(value.front()) || isBlankOrTab(value.back())) return true;
    return value.find_first_of(",\"\r\n") != std::string_view::npos;
}

// Reads a value-per-line text from left to right.
class FieldScanner {
public:
    explicit FieldScanner(std::string_view s) : s_(s) {}

    std::vector<Field> all() {
        std::vector<Field> out;
        // After a comma a value follows even at the very end ("a," is two).
        bool afterComma = false;
        while (i_ < s_.size() || afterComma) {
            Field f;
            f.line = line_;
            while (i_ < s_.size() && isBlankOrTab(s_[i_])) ++i_;
            if (i_ < s_.size() && s_[i_] == '"') {
                f.quoted = true;
                f.text = quoted();
                while (i_ < s_.size() && s_[i_] != ',' && !isLineBreak(s_[i_])) ++i_;
            } else {
                std::size_t start = i_;
                while (i_ < s_.size() && s_[i_] != ',' && !isLineBreak(s_[i_])) ++i_;
                f.text = std::string(s_.substr(start, i_ - start));
            }
            afterComma = i_ < s_.size() && s_[i_] == ',';
            if (afterComma)
                ++i_;
            else
                skipLineBreak();
            out.push_back(std::move(f));
        }
        return out;
    }

private:
    // From the opening quote to the closing one, which may be lines later;
    // without a closing quote the value runs to the end of the text.
    std::string quoted() {
        std::string text;
        ++i_;
        while (i_ < s_.size()) {
            char c = s_[i_];
            if (c == '"') {
                if (i_ + 1 < s_.size() && s_[i_ + 1] == '"') {
                    text.push_back('"');
                    i_ += 2;
                    continue;
                }
                ++i_;
                break;
            }
            if (c == '\n' || (c == '\r' && !(i_ + 1 < s_.size() && s_[i_ + 1] == '\n'))) ++line_;
            text.push_back(c);
            ++i_;
        }
        return text;
    }

    // CR LF, LF or CR ends a line.
    void skipLineBreak() {
        if (i_ >= s_.size()) return;
        if (s_[i_] == '\r') ++i_;
        if (i_ < s_.size() && s_[i_] == '\n') ++i_;
        ++line_;
    }

    std::string_view s_;
    std::size_t i_ = 0;
    int line_ = 1;
};

}  // namespace

void ValueWriter::text(std::string_view value) {
    if (!needsQuotes(value)) {
        out_.append(value);
    } else {
        out_.push_back('"');
        for (char c : value) {
            if (c == '"') out_.push_back('"');
            out_.push_back(c);
        }
        out_.push_back('"');
    }
    out_.append("\r\n");
}

void ValueWriter::number(double value) { out_.append(printNumber(value)).append("\r\n"); }

void ValueWriter::yesNo(bool value) { out_.append(value ? "True" : "False").append("\r\n"); }

void ValueWriter::value(const Dyn& value) {
    if (value.isNumber())
        number(value.number());
    else
        text(value.text());
}

std::vector<Field> readFields(std::string_view text) { return FieldScanner(text).all(); }

std::optional<bool> readYesNo(std::string_view text) {
    std::string_view word = trimBlanks(text);
    if (word == "True") return true;
    if (word == "False") return false;
    if (auto n = readWhole(text)) return *n != 0;
    return std::nullopt;
}

}  // namespace pennant
