#include "tests/support/golden_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace vela::golden {

namespace {

bool UpdateRequested() {
    const char* value = std::getenv("VELA_UPDATE_GOLDEN");
    return value != nullptr && std::string_view(value) == "1";
}

// The first line at which the two texts differ, both versions shown.
std::string FirstDifference(const std::string& want, const std::string& got) {
    std::istringstream a(want), b(got);
    std::string lineA, lineB;
    for (int n = 1;; ++n) {
        const bool moreA = static_cast<bool>(std::getline(a, lineA));
        const bool moreB = static_cast<bool>(std::getline(b, lineB));
        if (!moreA && !moreB) return "the texts differ only in their line ends";
        if (!moreA || !moreB || lineA != lineB) {
            return "line " + std::to_string(n) + "\n  golden: " + (moreA ? lineA : "(end of file)") +
                   "\n  now:    " + (moreB ? lineB : "(end of text)");
        }
    }
}

}  // namespace

std::filesystem::path GoldenPath(std::string_view file) {
    return std::filesystem::path(VELA_TEST_DATA_DIR) / "golden" / std::string(file);
}

void ExpectMatchesGolden(const std::filesystem::path& path, const std::string& text, bool allowUpdate) {
    if (allowUpdate && UpdateRequested()) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << text;
        ASSERT_TRUE(out.good()) << "cannot write " << path;
        GTEST_SKIP() << "rewrote " << path << ": review the difference before committing it";
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in.good()) << "no golden file " << path << " (VELA_UPDATE_GOLDEN=1 writes it)";
    const std::string golden((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(golden == text) << path.filename() << " differs at " << FirstDifference(golden, text);
}

}  // namespace vela::golden
