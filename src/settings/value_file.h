// The one-value-per-line text form shared by the settings file and bet
// slips: one writer and one field reader. Both work on UTF-8 text in
// memory; each file kind decides its own byte encoding.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/dyn.h"

namespace pennant {

// Builds the text of a value-per-line file; every value ends with CR LF.
class ValueWriter {
public:
    // Written verbatim, unless the reader would not give it back as it is
    // (a comma, a double quote, a line break, blanks or tabs at either end):
    // then it is enclosed in double quotes with each inner quote doubled.
    void text(std::string_view value);
    // The sign position, the shortest form and one blank: 9 gives " 9 ".
    void number(double value);
    // The word True or False.
    void yesNo(bool value);
    // A number as a number, a typed text as text.
    void value(const Dyn& value);

    const std::string& str() const { return out_; }

private:
    std::string out_;
};

// One value as the reader found it.
struct Field {
    std::string text;
    bool quoted = false;  // a quoted value is always text, never a number
    int line = 1;         // line of the file on which the value starts
};

// Every value of a value-per-line text. Leading blanks and tabs are skipped;
// a value ends at the first comma (the rest of the line is the next value)
// or at the end of the line (CR LF, LF or CR); an empty line is an empty
// value. A value that starts with a double quote ends at the next lone
// double quote, a doubled one standing for one quote; what follows it up
// to the next comma or line end is dropped.
std::vector<Field> readFields(std::string_view text);

// The value as a number when it looks like one, otherwise as text.
inline Dyn generalValue(const Field& field) { return field.quoted ? Dyn(field.text) : Dyn::general(field.text); }

// The yes/no form of a value: True, False, or a number (yes when not
// zero). Anything else gives nullopt.
std::optional<bool> readYesNo(std::string_view text);

}  // namespace pennant
