#include "print/print_document.h"

#include <cmath>

#include "engine/numbers.h"

namespace pennant {

std::string PrintItem::printed() const {
    if (kind == Kind::Text) return text;
    // A zero worked out as a difference can be -0; it prints as 0.
    return printNumber(number == 0 ? 0.0 : number);
}

PrintLine& PrintDocument::current() {
    if (!open_) {
        lines.emplace_back();
        open_ = true;
    }
    return lines.back();
}

PrintDocument& PrintDocument::text(std::string text) { return at(0, std::move(text)); }

PrintDocument& PrintDocument::at(int column, std::string text) {
    current().items.push_back({PrintItem::Kind::Text, std::move(text), 0, column});
    return *this;
}

PrintDocument& PrintDocument::number(double value) { return numberAt(0, value); }

PrintDocument& PrintDocument::numberAt(int column, double value) {
    current().items.push_back({PrintItem::Kind::Number, {}, value, column});
    return *this;
}

PrintDocument& PrintDocument::endLine() {
    current();
    open_ = false;
    return *this;
}

PrintDocument& PrintDocument::line(std::string text) { return this->text(std::move(text)).endLine(); }

std::vector<PlacedLine> layOut(const PrintDocument& document, const TextWidth& width,
                               double averageCharWidth) {
    std::vector<PlacedLine> out;
    for (const PrintLine& line : document.lines) {
        out.emplace_back();
        double end = 0;  // where the text printed on the current line ends
        for (const PrintItem& item : line.items) {
            double x = end;
            if (item.column >= 1) {
                x = (item.column - 1) * averageCharWidth;
                // The text already there covers column n: move to the next line.
                if (end > x) out.emplace_back();
            }
            std::string text = item.printed();
            end = x + width(text);
            out.back().push_back({x, std::move(text)});
        }
    }
    return out;
}

std::size_t charCount(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::vector<std::string> renderText(const PrintDocument& document) {
    auto width = [](std::string_view s) { return static_cast<double>(charCount(s)); };
    std::vector<std::string> out;
    for (const PlacedLine& placed : layOut(document, width, 1.0)) {
        std::string text;
        std::size_t chars = 0;
        for (const PlacedItem& item : placed) {
            auto column = static_cast<std::size_t>(std::lround(item.x));
            if (column > chars) {
                text.append(column - chars, ' ');
                chars = column;
            }
            text += item.text;
            chars += charCount(item.text);
        }
        out.push_back(std::move(text));
    }
    return out;
}

}  // namespace pennant
