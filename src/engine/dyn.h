// A dynamic value: a number, or the text the user typed (the tax rate and
// the opening balance are either).
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "engine/numbers.h"

namespace pennant {

class Dyn {
public:
    Dyn() : value_(std::string()) {}
    Dyn(double number) : value_(number) {}
    Dyn(std::string text) : value_(std::move(text)) {}
    Dyn(const char* text) : value_(std::string(text)) {}

    // What the settings and slip readers make of an unquoted value: a number
    // when it reads as one as a whole, otherwise the text.
    static Dyn general(std::string_view text) {
        if (auto n = readWhole(text)) return Dyn(*n);
        return Dyn(std::string(text));
    }

    bool isNumber() const { return std::holds_alternative<double>(value_); }
    double number() const { return std::get<double>(value_); }

    // The value as text: a number in its shortest decimal form.
    std::string text() const { return isNumber() ? shortestForm(number()) : std::get<std::string>(value_); }

    // The value for arithmetic: a text must read as a number as a whole.
    double asNumber() const {
        if (isNumber()) return number();
        if (auto n = readWhole(std::get<std::string>(value_))) return *n;
        throw CalcFailure("not a number: " + std::get<std::string>(value_));
    }
    // The value by its leading number (a text without one is 0).
    double leadingNumber() const { return isNumber() ? number() : readLeading(std::get<std::string>(value_)); }

    friend bool operator==(const Dyn&, const Dyn&) = default;

private:
    std::variant<double, std::string> value_;
};

}  // namespace pennant
