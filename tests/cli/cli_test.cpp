// pennant-calc as scripts use it: output, exit status, usage errors.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace {

struct CalcRun {
    int status;
    std::string out;
    std::string err;
};

// Runs pennant-calc with the arguments (already shell-quoted).
CalcRun calc(const std::string& args) {
    auto errFile = std::filesystem::temp_directory_path() / ("pennant_cli_err_" + std::to_string(::getpid()));
    std::string command = std::string(PENNANT_CALC_PATH) + " " + args + " 2>" + errFile.string();
    FILE* pipe = ::popen(("bash -c \"" + command + "\"").c_str(), "r");
    CalcRun run{};
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0) run.out.append(buf.data(), n);
    int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile);
    run.err.assign(std::istreambuf_iterator<char>(err), {});
    std::filesystem::remove(errFile);
    return run;
}

TEST(PennantCalc, PricesAYankeeAsJson) {
    CalcRun r = calc("--json Yankee W:EVENS W:EVENS W:EVENS W:EVENS");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "{\"Combo8\": \"1.00\", \"Label52\": \"11\", \"Label55\": \"11.00\", \"Label59\": \"0.99\", "
              "\"Label61\": \"11.99\", \"Label30\": \"\", \"Label31\": \"6\", \"Label32\": \"4\", \"Label33\": \"1\", "
              "\"Label34\": \"\", \"Label35\": \"\", \"Label36\": \"\", \"Label37\": \"\", \"Label38\": \"24.00\", "
              "\"Label39\": \"32.00\", \"Label40\": \"16.00\", \"Label41\": \"\", \"Label42\": \"\", \"Label43\": \"\", "
              "\"Label45\": \"72.00\", \"Label47\": null, \"Label49\": \"72.00\", \"error\": null}\n");
}

TEST(PennantCalc, TaxOnWinningsAndPlaceTerms) {
    CalcRun r = calc("--json --tax-on-winnings --tax-rate 10 --place 4 --stake 2 Single w:4/1");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"Label59\": null"), std::string::npos);
    EXPECT_NE(r.out.find("\"Label37\": \"4.00\""), std::string::npos);  // 2 x (1 + 4/4)
    EXPECT_NE(r.out.find("\"Label47\": \"0.40\""), std::string::npos);
    EXPECT_NE(r.out.find("\"Label49\": \"3.60\""), std::string::npos);
}

TEST(PennantCalc, InputErrorIsExitStatusOne) {
    CalcRun r = calc("--json Treble W:2/1 W:2/1 'W:a/5'");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("\"error\": \"INPUT ERROR\""), std::string::npos);
    EXPECT_EQ(r.err,
              "You can type in the odds directly.\nHowever you MUST use the syntax\n"
              "__/__ ie 12/1 should be entered as 12/1\nlikewise 7/1 should be entered as 7/1\n");
}

TEST(PennantCalc, AnUnreadableStakeBecomesZero) {
    CalcRun r = calc("--json --stake abc Single W:2/1");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"Combo8\": \"0\""), std::string::npos);
    EXPECT_NE(r.out.find("\"Label49\": \"0.00\""), std::string::npos);
}

TEST(PennantCalc, UsageErrors) {
    for (const char* args : {"", "Single W", "Single X:2/1", "Single W:1 W:1 W:1 W:1 W:1 W:1 W:1",
                             "--tax-rate abc Single", "--tax-rate 100 Single", "--place 3 Single",
                             "--bogus Single", "$'Single\\xff'"}) {
        CalcRun r = calc(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find("usage: pennant-calc"), std::string::npos) << args;
        EXPECT_TRUE(r.out.empty()) << args;
    }
    CalcRun help = calc("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: pennant-calc"), std::string::npos);
}

TEST(PennantCalc, ReportIsThePrintedCalculation) {
    CalcRun r = calc("--report --tax-on-winnings Trixie W:2/1 W:3/1 N:");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Bet Type: Trixie To WIN\n4 Bet/s @ 1.00 = 4.00\nTotal Staked = 4.00\n"), std::string::npos);
    EXPECT_NE(r.out.find("Selection3 NON-RAN @ \n"), std::string::npos);
    EXPECT_NE(r.out.find("Tax paid on winnings @ 9% = "), std::string::npos);
    CalcRun none = calc("--report 'Select Bet'");
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.err, "You must select a Bet first!\n");
}

TEST(PennantCalc, MissingFilesAreExitStatusTwoAndNothingIsCreated) {
    auto dir = std::filesystem::temp_directory_path() / "pennant_cli_missing";
    std::filesystem::remove_all(dir);
    CalcRun log = calc("--log " + (dir / "NONE.BSL").string());
    EXPECT_EQ(log.status, 2);
    EXPECT_FALSE(std::filesystem::exists(dir / "NONE.BSL"));
    CalcRun slip = calc("--slip " + (dir / "none.slp").string());
    EXPECT_EQ(slip.status, 2);
    EXPECT_FALSE(slip.err.empty());
}

}  // namespace
