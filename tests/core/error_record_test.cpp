// The texts of a failure report: the log record, the message box text, the report text chosen
// between user message and description, and the log file's path.
#include "errors/core/error_context.h"
#include "errors/core/failure.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace vexmoor {
namespace {

struct ReportRow
{
    const char* name;
    const char* dateTime;
    const char* proc;
    const char* userMessage;
    const char* description;
    std::int32_t number;
    const char* record;
    const char* message;
};

// clang-format off
const ReportRow kReportRows[] = {
    // The user message replaces the description.
    {"InvalidNumber", "12/6/2026 3:04:05 PM", "txtBeV_Validate", "Enter a valid number.",
     "Type mismatch", 13,
     "12/6/2026 3:04:05 PM -> QNVXM [frmVexmoor] -> Position (txtBeV_Validate) -> Enter a valid number. {13}",
     " [frmVexmoor] Enter a valid number. {13}"},
    // Without a user message the description is reported.
    {"Description", "06.12.2026 15:04:05", "LoanSchedule", "", "Invalid procedure call or argument", 5,
     "06.12.2026 15:04:05 -> QNVXM [frmVexmoor] -> Position (LoanSchedule) -> Invalid procedure call or argument {5}",
     " [frmVexmoor] Invalid procedure call or argument {5}"},
    // Neither: an empty report text, the fields around it unchanged.
    {"EmptyDescription", "d", "KeyDown", "", "", 51,
     "d -> QNVXM [frmVexmoor] -> Position (KeyDown) ->  {51}",
     " [frmVexmoor]  {51}"},
    // Numbers: a minus sign, no blanks, the extremes in full.
    {"Negative", "t", "GenChart", "", "x", -2147221504,
     "t -> QNVXM [frmVexmoor] -> Position (GenChart) -> x {-2147221504}",
     " [frmVexmoor] x {-2147221504}"},
    {"Minimum", "t", "GenChart", "", "x", std::numeric_limits<std::int32_t>::min(),
     "t -> QNVXM [frmVexmoor] -> Position (GenChart) -> x {-2147483648}",
     " [frmVexmoor] x {-2147483648}"},
    {"Zero", "t", "Form_Load", "", "x", 0,
     "t -> QNVXM [frmVexmoor] -> Position (Form_Load) -> x {0}",
     " [frmVexmoor] x {0}"},
    // Texts are copied byte for byte: braces, arrows and UTF-8 do not disturb the fields.
    {"Unusual", "6.12.2026 15:04", "cmdCalcClick", "", "a {b} -> [c] \u00e9", 6,
     "6.12.2026 15:04 -> QNVXM [frmVexmoor] -> Position (cmdCalcClick) -> a {b} -> [c] \u00e9 {6}",
     " [frmVexmoor] a {b} -> [c] \u00e9 {6}"},
};
// clang-format on

TEST(ErrorRecord, RecordAndMessage)
{
    for (const ReportRow& row : kReportRows) {
        SCOPED_TRACE(row.name);
        const std::string text = ReportText(row.userMessage, row.description);
        EXPECT_EQ(FormatLogRecord(row.dateTime, kAppShortName, kErrModuleName, row.proc, text,
                                  row.number),
                  row.record);
        EXPECT_EQ(FormatErrorMessage(kErrModuleName, text, row.number), row.message);
    }
}

struct PathRow
{
    const char* name;
    const char* folder;
    const char* baseName;
    char separator;
    const char* path;
};

const PathRow kPathRows[] = {
    {"Plain", "/opt/vexmoor/bin", "vexmoor", '/', "/opt/vexmoor/bin/vexmoorERR.txt"},
    {"ShortName", "/usr/bin", "QNVXM", '/', "/usr/bin/QNVXMERR.txt"},
    {"Backslash", "C:\\Programs\\Quenbry", "QNVXM", '\\', "C:\\Programs\\Quenbry\\QNVXMERR.txt"},
    {"RootFolder", "/", "vexmoor", '/', "/vexmoorERR.txt"},
    {"Blanks", "/home/a b/bin", "my app", '/', "/home/a b/bin/my appERR.txt"},
    {"Utf8", "/home/\u00f6", "v\u00e9", '/', "/home/\u00f6/v\u00e9ERR.txt"},
};

TEST(ErrorRecord, LogFilePath)
{
    for (const PathRow& row : kPathRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(LogFilePath(row.folder, row.baseName, row.separator), row.path);
    }
}

TEST(ErrorRecord, ContextIsOnePerProgram)
{
    CurrentErrorContext().ErrProcName = "cmdCalBeV_Click";
    EXPECT_EQ(&CurrentErrorContext(), &CurrentErrorContext());
    EXPECT_EQ(CurrentErrorContext().ErrProcName, "cmdCalBeV_Click");
}

TEST(ErrorRecord, FailureCarriesNumberAndDescription)
{
    const Failure mismatch(ErrorNumber::TypeMismatch);
    EXPECT_EQ(mismatch.Number(), 13);
    EXPECT_EQ(mismatch.Description(), "Type mismatch");
    const Failure own(-7, "");
    EXPECT_EQ(own.Number(), -7);
    EXPECT_EQ(ReportText("", own.Description()), "");
}

} // namespace
} // namespace vexmoor
