#include "log/log_text.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

namespace pennant {
namespace {

enum class Align { Left, Centre, Right };
// As the viewer aligns its cells.
constexpr std::array<Align, kLogColumns> kAlign = {Align::Left,  Align::Centre, Align::Centre,
                                                   Align::Right, Align::Right,  Align::Left,
                                                   Align::Right, Align::Right,  Align::Right};

std::size_t charCount(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::vector<std::string_view> linesOf(std::string_view cell) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0;;) {
        std::size_t end = cell.find('\n', start);
        lines.push_back(cell.substr(start, end - start));
        if (end == std::string_view::npos) return lines;
        start = end + 1;
    }
}

std::string padded(std::string_view text, std::size_t width, Align align) {
    std::size_t room = width - std::min(width, charCount(text));
    std::size_t before = align == Align::Right ? room : align == Align::Centre ? room / 2 : 0;
    return std::string(before, ' ') + std::string(text) + std::string(room - before, ' ');
}

void appendLine(std::string& out, const std::array<std::string, kLogColumns>& cells,
                const std::array<std::size_t, kLogColumns>& widths, bool heading) {
    std::string line;
    for (int c = 0; c < kLogColumns; ++c) {
        if (c > 0) line += "  ";
        line += padded(cells[c], widths[c], heading ? Align::Centre : kAlign[c]);
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out += line + "\n";
}

void appendJsonString(std::string& out, std::string_view s) {
    out += '"';
    for (char c : s) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
                    out += buf;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

void appendCsvField(std::string& out, std::string_view s) {
    out += '"';
    for (char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace

std::string logTable(const LogGrid& grid) {
    std::array<std::size_t, kLogColumns> widths{};
    std::array<std::string, kLogColumns> headings;
    for (int c = 0; c < kLogColumns; ++c) {
        headings[c] = kLogHeadings[c];
        widths[c] = charCount(headings[c]);
    }
    for (const auto& row : grid.rows)
        for (int c = 0; c < kLogColumns; ++c)
            for (auto line : linesOf(row.cells[c])) widths[c] = std::max(widths[c], charCount(line));

    std::string out;
    appendLine(out, headings, widths, true);
    for (const auto& row : grid.rows) {
        std::array<std::vector<std::string_view>, kLogColumns> lines;
        std::size_t height = 1;
        for (int c = 0; c < kLogColumns; ++c) {
            lines[c] = linesOf(row.cells[c]);
            height = std::max(height, lines[c].size());
        }
        for (std::size_t i = 0; i < height; ++i) {
            std::array<std::string, kLogColumns> cells;
            for (int c = 0; c < kLogColumns; ++c)
                if (i < lines[c].size()) cells[c] = lines[c][i];
            appendLine(out, cells, widths, false);
        }
    }
    out += "\nOpening Balance " + grid.opening + "\n";
    out += grid.closing.empty() ? "Closing Balance\n" : "Closing Balance " + grid.closing + "\n";
    return out;
}

std::string logJson(const LogGrid& grid) {
    std::string out = "{\"rows\": [";
    for (std::size_t r = 0; r < grid.rows.size(); ++r) {
        out += r == 0 ? "\n[" : ",\n[";
        for (int c = 0; c < kLogColumns; ++c) {
            if (c > 0) out += ", ";
            appendJsonString(out, grid.rows[r].cells[c]);
        }
        out += ']';
    }
    out += grid.rows.empty() ? "], \"opening\": " : "\n], \"opening\": ";
    appendJsonString(out, grid.opening);
    out += ", \"closing\": ";
    appendJsonString(out, grid.closing);
    out += "}\n";
    return out;
}

std::string logCsv(const LogGrid& grid) {
    std::string out;
    for (int c = 0; c < kLogColumns; ++c) {
        if (c > 0) out += ',';
        appendCsvField(out, kLogHeadings[c]);
    }
    out += "\r\n";
    for (const auto& row : grid.rows) {
        for (int c = 0; c < kLogColumns; ++c) {
            if (c > 0) out += ',';
            appendCsvField(out, row.cells[c]);
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace pennant
