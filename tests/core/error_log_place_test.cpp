// The state folder that takes the error log when the program's own folder cannot.
#include "common/core/state_folder.h"

#include <gtest/gtest.h>

namespace vexmoor {
namespace {

TEST(ErrorLogPlace, StateLogFolder)
{
    // clang-format off
    const struct { const char* name; const char* xdgStateHome; const char* home; const char* folder; } rows[] = {
        {"variable set",          "/var/st",  "/home/ann",  "/var/st/quenbry-vexmoor"},
        {"variable with slash",   "/var/st/", "/home/ann",  "/var/st/quenbry-vexmoor"},
        {"variable unset",        "",         "/home/ann",  "/home/ann/.local/state/quenbry-vexmoor"},
        {"relative is ignored",   "st",       "/home/ann/", "/home/ann/.local/state/quenbry-vexmoor"},
        {"home is the root",      "",         "/",          "/.local/state/quenbry-vexmoor"},
        {"no usable folder",      "st",       "",           ""},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(StateLogFolder(row.xdgStateHome, row.home), row.folder) << row.name;
}

} // namespace
} // namespace vexmoor
