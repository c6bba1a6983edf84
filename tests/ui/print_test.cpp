// Printing from the windows: File > Print on the real main window, reports
// put on paper by Qt as PDF files and read back with poppler's tools, a long
// log over several pages, and the print preview that stands in when there
// is no printer.
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <tuple>

#include "log/log_file.h"
#include "log/log_test_support.h"
#include "print/log_report.h"
#include "ui/qt_platform.h"
#include "ui/qt_printer.h"
#include "ui_fixture.h"

namespace pennant::testing {
namespace {

// ---- reading a PDF back ----

// A poppler tool's standard output; nullopt when the tool is not installed.
std::optional<QString> runTool(const QString& tool, const QStringList& args) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return std::nullopt;
    QProcess process;
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(30000)) << tool.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << tool.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool havePdfToText() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

QString pdfText(const QString& pdf) {
    return runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}).value_or(QString());
}

// The PDF's text lines without their layout indent; blank lines dropped.
std::vector<std::string> pdfLines(const QString& pdf) {
    std::vector<std::string> lines;
    for (const QString& line : pdfText(pdf).split(QRegularExpression(QStringLiteral("[\n\f]")))) {
        QString trimmed = line.trimmed();
        if (!trimmed.isEmpty()) lines.push_back(trimmed.toStdString());
    }
    return lines;
}

struct Word {
    int page = 0;
    double xMin = 0, yMin = 0, yMax = 0;
    QString text;
};

struct PdfWords {
    std::vector<double> pageHeights;
    std::vector<Word> words;

    std::vector<Word> named(const QString& text) const {
        std::vector<Word> found;
        for (const Word& w : words)
            if (w.text == text) found.push_back(w);
        return found;
    }
};

// Every word of the PDF with its box, from pdftotext -bbox.
PdfWords pdfWords(const QString& pdf) {
    const QString html = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}).value_or(QString());
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page width="[\d.]+" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re"));
    PdfWords out;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            out.pageHeights.push_back(m.captured(1).toDouble());
            continue;
        }
        out.words.push_back({static_cast<int>(out.pageHeights.size()), m.captured(2).toDouble(), m.captured(3).toDouble(),
                             m.captured(4).toDouble(), m.captured(5)});
    }
    return out;
}

// The document's items in reading order, as one run of words.
QString wordsOf(const PrintDocument& document) {
    QStringList lines;
    for (const std::string& line : renderText(document)) lines << QString::fromStdString(line);
    return lines.join(QLatin1Char(' ')).simplified();
}

// Nothing lost, added or out of order between the document and the paper.
void expectPdfHolds(const QString& pdf, const PrintDocument& document) {
    EXPECT_EQ(pdfText(pdf).simplified().toStdString(), wordsOf(document).toStdString());
}

// ---- documents ----

// A log record of the given selections; RowHeight follows their number.
struct Sel {
    std::string name, result, odds;
};
LogRecord logged(const std::string& type, const std::string& total, const std::string& payout, const std::vector<Sel>& sels) {
    LogRecord r = sampleRecord("", payout, total);
    r.setBetType(type);
    r.setRowHeight(std::to_string(200 * sels.size()));
    for (std::size_t i = 0; i < sels.size(); ++i) {
        r.setSelName(i, sels[i].name);
        r.setSelResult(i, sels[i].result);
        r.setSelOdds(i, sels[i].odds);
    }
    return r;
}

const std::vector<std::string> kYankeeSummary = {
    "                             Pennant Calculator 95",
    " ",
    "                                Bet Calculation",
    "Bet Type: Yankee To WIN",
    "11 Bet/s @ 1.00 = 11.00",
    "Tax paid on stake @ 9% = 0.99",
    "Total Staked = 11.99",
    " ",
    "Selection1 WON @ EVENS",
    "Selection2 WON @ EVENS",
    "Selection3 WON @ EVENS",
    "Selection4 WON @ EVENS",
    "Winnings: 72.00",
    "Total won:72.00",
};

// Puts a no-printer handler in place for one test.
class NoPrinterHandlerScope {
public:
    explicit NoPrinterHandlerScope(NoPrinterHandler handler) : saved_(setNoPrinterHandler(std::move(handler))) {}
    ~NoPrinterHandlerScope() { setNoPrinterHandler(std::move(saved_)); }

private:
    NoPrinterHandler saved_;
};

class PrintTest : public UiTest {
protected:
    QString pdfPath(const std::string& name) const { return QString::fromStdString(file(name).string()); }

    // A Yankee at 1.00 with tax paid on the stake and four winners at EVENS.
    FrmMainWindow& yankeeOfFourWinners() {
        FrmMainWindow& w = mainWindow();
        pick(find<QComboBox>(&w, "Combo7"), "Yankee");
        for (int row = 0; row < 4; ++row) {
            EXPECT_EQ(find<QComboBox>(&w, QStringLiteral("Combo1_%1").arg(row))->currentText(), "EVENS");
            find<QRadioButton>(&w, QStringLiteral("Option%1").arg(row * 3 + 1))->click();
        }
        settle();
        EXPECT_TRUE(find<QCheckBox>(&w, "Check1")->isChecked());
        EXPECT_EQ(find<QLabel>(&w, "Label49")->text(), "72.00");
        return w;
    }

    // The current log printed through the fake platform into a PDF file.
    PrintDocument printLogToPdf(const QString& pdf, Dyn opening) {
        Project project;
        project.programDir = dir();
        project.OpeningBalance = std::move(opening);
        PrintDocument printed;
        platform.onPrint = [&](const PrintDocument& doc) {
            printed = doc;
            return printDocumentToPdf(doc, pdf);
        };
        printCurrentLog(project, platform);
        EXPECT_EQ(platform.printed, 1);
        EXPECT_TRUE(platform.messages.empty()) << platform.messages[0].text;
        return printed;
    }
};

TEST_F(PrintTest, CtrlPAndTheMenuPrintTheCalculationShown) {
    FrmMainWindow& w = yankeeOfFourWinners();
    std::vector<std::vector<std::string>> printed;
    platform.onPrint = [&](const PrintDocument& doc) {
        printed.push_back(renderText(doc));
        return true;
    };
    QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
    settle();
    trigger(&w, "mnuPrint");

    ASSERT_EQ(printed.size(), 2u);
    EXPECT_EQ(printed[0], kYankeeSummary);
    EXPECT_EQ(printed[1], kYankeeSummary);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(find<QLabel>(&w, "Label49")->text(), "72.00") << "printing changes nothing";
}

TEST_F(PrintTest, CalculationPrintedThroughQtReadsBackFromThePdf) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    FrmMainWindow& w = yankeeOfFourWinners();
    const QString pdf = pdfPath("calc.pdf");
    platform.onPrint = [&](const PrintDocument& doc) { return printDocumentToPdf(doc, pdf); };
    QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
    settle();
    ASSERT_EQ(platform.printed, 1);
    ASSERT_TRUE(platform.messages.empty());

    std::vector<std::string> expected;
    for (const std::string& line : kYankeeSummary)
        if (line != " ") expected.push_back(QString::fromStdString(line).trimmed().toStdString());
    EXPECT_EQ(pdfLines(pdf), expected);
    EXPECT_EQ(pdfWords(pdf).pageHeights.size(), 1u);
}

TEST_F(PrintTest, LogReportInThePdfHasItsLinesAndItsColumnsLineUp) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    const auto log = file("DEFAULT.BSL");
    appendRecord(log, logged("Single", "1.00", "0", {{"Red Rum", "LOST", "5/2"}}));
    appendRecord(log, logged("Yankee", "11.99", "72.00",
                             {{"Arkle", "WON", "EVENS"}, {"Best Mate", "WON", "EVENS"}, {"Denman", "WON", "EVENS"},
                              {"Dawn Run", "WON", "EVENS"}}));
    appendRecord(log, logged("Double", "2.00", "0", {{"Selection 1", "LOST", "9/4"}, {"Kauto Star", "WON", "6/4"}}));
    const QString pdf = pdfPath("log.pdf");
    const PrintDocument doc = printLogToPdf(pdf, 100.0);
    expectPdfHolds(pdf, doc);

    const std::string text = pdfText(pdf).simplified().toStdString();
    for (const char* part : {"Pennant Calculator 95 Logname: DEFAULT.BSL Opening Balance 100 ",
                             "Date Bet Win/Place Staked Results Won Lost Balance ",
                             "Single WIN 1.00 Red Rum LOST@5/2 -1 99 ",
                             "Yankee WIN 11.99 Arkle WON@EVENS 60.01 159.01 Best Mate WON@EVENS Denman WON@EVENS Dawn Run WON@EVENS",
                             "Double WIN 2.00 Sel 1 LOST@9/4 -2 157.01 Kauto Star WON@6/4 ",
                             "Closing Balance 157.01"})
        EXPECT_NE(text.find(part), std::string::npos) << part << "\nin: " << text;

    // Items at one column start at one x, whatever the widths before them.
    const PdfWords words = pdfWords(pdf);
    auto headingX = [&](const char* word) {
        auto found = words.named(QString::fromLatin1(word));
        EXPECT_EQ(found.size(), 1u) << word;
        return found.empty() ? -1.0 : found[0].xMin;
    };
    const std::map<double, std::set<QString>> columns = {
        {headingX("Date"), {"11/12/2026"}},
        {headingX("Win/Place"), {"WIN"}},
        {headingX("Staked"), {"1.00", "11.99", "2.00"}},
        {headingX("Results"), {"Red", "Arkle", "Best", "Denman", "Dawn", "Sel", "Kauto"}},
    };
    ASSERT_EQ(columns.size(), 4u) << "four different columns";
    auto bet = words.named(QStringLiteral("Bet"));  // the heading's and no other
    ASSERT_EQ(bet.size(), 1u);
    for (const char* type : {"Single", "Yankee", "Double"})
        for (const Word& w : words.named(QString::fromLatin1(type))) EXPECT_NEAR(w.xMin, bet[0].xMin, 0.1) << type;
    for (const auto& [x, texts] : columns) {
        for (const QString& t : texts) {
            auto found = words.named(t);
            EXPECT_FALSE(found.empty()) << t.toStdString();
            for (const Word& w : found) EXPECT_NEAR(w.xMin, x, 0.1) << t.toStdString();
        }
    }
    EXPECT_LT(headingX("Date"), bet[0].xMin);
    EXPECT_LT(bet[0].xMin, headingX("Win/Place"));
}

TEST_F(PrintTest, LongLogContinuesOnFurtherPagesWithNothingLost) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    const int bets = 80;
    for (int k = 1; k <= bets; ++k) appendRecord(file("DEFAULT.BSL"), sampleRecord("Bet " + std::to_string(k)));
    const QString pdf = pdfPath("long.pdf");
    const PrintDocument doc = printLogToPdf(pdf, 0.0);

    const PdfWords words = pdfWords(pdf);
    const std::size_t pages = words.pageHeights.size();
    ASSERT_GE(pages, 2u);
    EXPECT_EQ(pdfText(pdf).count(QLatin1Char('\f')), static_cast<qsizetype>(pages));
    expectPdfHolds(pdf, doc);
    EXPECT_EQ(pdfText(pdf).count(QStringLiteral("Pennant Calculator 95")), 1) << "no page headings";

    // Each page starts at the same top and keeps its lines inside the page.
    std::vector<double> top(pages + 1, 1e9);
    const Word* last = nullptr;  // in reading order
    for (const Word& w : words.words) {
        top[w.page] = std::min(top[w.page], w.yMin);
        EXPECT_LE(w.yMax, words.pageHeights[w.page - 1]) << "page " << w.page << " " << w.text.toStdString();
        if (!last || std::tie(w.page, w.yMin, w.xMin) > std::tie(last->page, last->yMin, last->xMin)) last = &w;
    }
    for (std::size_t p = 2; p <= pages; ++p) EXPECT_NEAR(top[p], top[1], 0.1) << "page " << p;
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->text, "-80") << "the closing balance ends the last page";
    EXPECT_EQ(last->page, static_cast<int>(pages));
}

TEST_F(PrintTest, PdfThatCannotBeWrittenIsAFailure) {
    PrintDocument doc;
    doc.line("Total won:72.00");
    EXPECT_FALSE(printDocumentToPdf(doc, pdfPath("no such folder/x.pdf")));
    EXPECT_TRUE(printDocumentToPdf(doc, pdfPath("x.pdf")));
}

TEST_F(PrintTest, WithoutAPrinterTheDocumentGoesToTheNoPrinterHandler) {
    PrintDocument doc;
    doc.line("Total won:72.00");
    for (bool outcome : {true, false}) {
        std::vector<std::vector<std::string>> handed;
        NoPrinterHandlerScope scope([&](const PrintDocument& d, QWidget*) {
            handed.push_back(renderText(d));
            return outcome;
        });
        EXPECT_EQ(printDocument(doc, nullptr, QPrinterInfo()), outcome);
        ASSERT_EQ(handed.size(), 1u);
        EXPECT_EQ(handed[0], std::vector<std::string>{"Total won:72.00"});
    }
}

TEST_F(PrintTest, DesktopPlatformWithNoDefaultPrinterShowsThePreview) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a default printer";
    int handed = 0;
    NoPrinterHandlerScope scope([&](const PrintDocument&, QWidget*) {
        ++handed;
        return false;
    });
    QtPlatform desktop(dir());
    PrintDocument doc;
    doc.line("Winnings: 72.00");
    EXPECT_FALSE(desktop.print(doc));
    EXPECT_EQ(handed, 1);
}

TEST_F(PrintTest, PreviewPrintsToPdfOrReportsNothingPrintedWhenClosed) {
    PrintDocument doc;
    doc.line("Winnings: 72.00").line("Total won:72.00");
    const QString pdf = pdfPath("preview.pdf");
    int pages = 0;
    expectModal([&](QWidget* dialog) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(dialog);
        ASSERT_NE(preview, nullptr) << dialog->metaObject()->className();
        EXPECT_EQ(preview->printer()->outputFormat(), QPrinter::PdfFormat);
        auto* pagesView = preview->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(pagesView, nullptr);
        pages = pagesView->pageCount();
        // What the dialog's Print does once the user has named a file.
        preview->printer()->setOutputFileName(pdf);
        pagesView->print();
        preview->accept();
    });
    EXPECT_TRUE(printDocument(doc, nullptr, QPrinterInfo()));
    EXPECT_EQ(pages, 1);
    if (havePdfToText()) {
        EXPECT_EQ(pdfLines(pdf), (std::vector<std::string>{"Winnings: 72.00", "Total won:72.00"}));
    }

    expectModal([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
    EXPECT_FALSE(printDocument(doc, nullptr, QPrinterInfo())) << "closing the preview prints nothing";
}

TEST_F(PrintTest, CtrlPInThePreviewPrints) {
    PrintDocument doc;
    doc.line("Total won:72.00");
    const QString pdf = pdfPath("keys.pdf");
    expectModal([&](QWidget* dialog) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(dialog);
        ASSERT_NE(preview, nullptr);
        preview->printer()->setOutputFileName(pdf);
        // Print asks where to, in the print dialog; OK prints there.
        expectModal([](QWidget* printDialog) { qobject_cast<QDialog*>(printDialog)->accept(); });
        QTest::keyClick(preview, Qt::Key_P, Qt::ControlModifier);
    });
    EXPECT_TRUE(printDocument(doc, nullptr, QPrinterInfo()));
    EXPECT_TRUE(QFileInfo::exists(pdf));
}

}  // namespace
}  // namespace pennant::testing
