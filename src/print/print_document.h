// A document for the default printer used as a text device: lines of text
// and number items, each placed at a column or straight after what
// precedes it. The same document is rendered as plain text (one character
// per column) and laid out by the windows with the printer font's metrics.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pennant {

struct PrintItem {
    enum class Kind { Text, Number };

    Kind kind = Kind::Text;
    std::string text;   // a text item, printed unchanged
    double number = 0;  // a number item, printed in the printer's number form
    int column = 0;     // counted from 1 in average character widths; 0: directly after

    // What the printer puts on paper for this item.
    std::string printed() const;
};

// One line as the program issues it; the column rule may spread it over
// more than one line on paper.
struct PrintLine {
    std::vector<PrintItem> items;
};

struct PrintDocument {
    std::vector<PrintLine> lines;

    // Builders: each adds an item to the line being built.
    PrintDocument& text(std::string text);
    PrintDocument& at(int column, std::string text);
    PrintDocument& number(double value);
    PrintDocument& numberAt(int column, double value);
    // Ends the line being built (an empty line when it holds nothing).
    PrintDocument& endLine();
    // A whole line of text, and the one-blank line that serves as an empty line.
    PrintDocument& line(std::string text);
    PrintDocument& blankLine() { return line(" "); }

private:
    PrintLine& current();
    bool open_ = false;  // the last line still takes items
};

// An item's place on paper, in the units of the measure used to lay it out.
struct PlacedItem {
    double x = 0;
    std::string text;
};
using PlacedLine = std::vector<PlacedItem>;

// The width of a text in the printer font.
using TextWidth = std::function<double(std::string_view)>;

// Applies the column rule: an item at column n starts at x = (n - 1) ×
// averageCharWidth on the current line, or on a new line when the text
// already there reaches that far. Returns the lines as they go on paper.
std::vector<PlacedLine> layOut(const PrintDocument& document, const TextWidth& width,
                               double averageCharWidth);

// The number of characters of UTF-8 text: its width on a one-character-
// per-column device.
std::size_t charCount(std::string_view utf8);

// The document as plain lines, one character per column, columns filled
// with blanks.
std::vector<std::string> renderText(const PrintDocument& document);

}  // namespace pennant
