#include "slips/slip_file.h"

#include "engine/text.h"
#include "settings/file_replace.h"
#include "settings/value_file.h"

namespace pennant {
namespace {

// Bytes of the UTF-8 character that starts with `lead`.
std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

// The windows accept only characters a slip can hold; should another reach
// this far, it is written as '?' rather than lost with the whole slip.
std::string toCp1252Lossy(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t len = std::min(sequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        std::string_view ch = utf8.substr(i, len);
        std::optional<std::string> b = utf8ToCp1252(ch);
        out += b ? *b : "?";
        // A broken sequence stands for one byte, so the text after it stays.
        i += b || isValidUtf8(ch) ? len : 1;
    }
    return out;
}

// A value quoted in a message: a damaged file may hold a very long line.
std::string shortened(const std::string& text) {
    std::string head = midChars(text, 1, 40);
    return head.size() < text.size() ? head + "..." : head;
}

void showProblem(FrmMain& m, const std::string& text) {
    m.platform.messageBox({text, "Pennant95", Icon::Exclamation, Buttons::Ok});
}

// The slip dialog as both commands prepare it; it keeps the name chosen
// last by either of them.
bool chooseSlipFile(FrmMain& m, FileDialogKind kind) {
    CommonDialog& d = m.CommonDialog1;
    d.filterNames = {"All Files (*.*)", "Betting Slip Files (*.slp)"};
    d.filterPatterns = {"*.* ", "*.slp"};
    d.FilterIndex = 2;
    return m.platform.showFileDialog(d, kind);
}

}  // namespace

SlipRecord slipOf(const FrmMain& m) {
    SlipRecord s;
    for (int r = 0; r < kRows; ++r) {
        s.names[r] = m.row[r].name;
        s.odds[r] = m.row[r].odds;
        s.options[FrmMain::optionFor(r, m.row[r].result) - 1] = true;
    }
    s.stake = Dyn(m.Combo8);
    s.terms[m.terms == Terms::ToWin ? 0 : m.terms == Terms::Place4 ? 1 : 2] = true;
    s.betType = m.Combo7;
    return s;
}

std::string formatSlip(const SlipRecord& slip) {
    ValueWriter w;
    for (const std::string& name : slip.names) w.text(name);
    for (const std::string& odds : slip.odds) w.text(odds);
    for (bool set : slip.options) w.yesNo(set);
    w.value(slip.stake);
    for (bool set : slip.terms) w.yesNo(set);
    w.text(slip.betType);
    return toCp1252Lossy(w.str());
}

ParsedSlip parseSlip(std::string_view bytes) {
    std::vector<Field> f = readFields(cp1252ToUtf8(bytes));
    if (f.size() < kSlipValues)
        return {std::nullopt, "it holds " + std::to_string(f.size()) + " of the 35 lines of a betting slip"};
    SlipRecord s;
    // Value v (from 1) as a yes/no into `target`; false when it is not one.
    std::string problem;
    auto yesNo = [&](int v, bool& target) {
        std::optional<bool> value = readYesNo(f[v - 1].text);
        if (!value) {
            problem = "line " + std::to_string(f[v - 1].line) + " holds \"" + shortened(f[v - 1].text) +
                      "\" where True or False belongs";
            return false;
        }
        target = *value;
        return true;
    };
    for (int i = 0; i < kRows; ++i) {
        s.names[i] = f[i].text;
        s.odds[i] = f[6 + i].text;
    }
    for (int n = 1; n <= 18; ++n)
        if (!yesNo(12 + n, s.options[n - 1])) return {std::nullopt, problem};
    s.stake = generalValue(f[30]);
    for (int n = 0; n < 3; ++n)
        if (!yesNo(32 + n, s.terms[n])) return {std::nullopt, problem};
    s.betType = f[34].text;
    return {s, {}};
}

void applySlip(FrmMain& m, const SlipRecord& slip) {
    for (int r = 0; r < kRows; ++r) m.row[r].name = slip.names[r];
    m.setCombo8(slip.stake.text());
    m.setCombo7(slip.betType);
    for (int r = 0; r < kRows; ++r) m.typeOdds(r, slip.odds[r]);
    for (int n = 1; n <= 18; ++n)
        if (slip.options[n - 1]) m.clickOption(n);
    for (int n = 0; n < 3; ++n)
        if (slip.terms[n]) m.clickOption(19 + n);
}

void mnuSaveas_Click(FrmMain& m) {
    if (!chooseSlipFile(m, FileDialogKind::SaveAs)) return;
    std::filesystem::path path = m.project.resolve(m.CommonDialog1.FileName);
    if (auto error = replaceFile(path, formatSlip(slipOf(m))))
        showProblem(m, "The betting slip could not be saved to " + path.string() + ": " + *error + ".");
}

void mnuOpen_Click(FrmMain& m) {
    if (!chooseSlipFile(m, FileDialogKind::Open)) return;
    std::filesystem::path path = m.project.resolve(m.CommonDialog1.FileName);
    std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) {
        showProblem(m, "The betting slip " + path.string() +
                           " could not be opened: the file does not exist or cannot be read.");
        return;
    }
    ParsedSlip parsed = parseSlip(*bytes);
    if (!parsed.slip) {
        showProblem(m, "The betting slip " + path.string() + " could not be opened: " + parsed.problem + ".");
        return;
    }
    applySlip(m, *parsed.slip);
}

}  // namespace pennant
