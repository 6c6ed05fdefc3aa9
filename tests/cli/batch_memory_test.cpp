// A batch that runs out of memory: the rows answered before stay written, the run stops with a
// line on standard error and status 1, and nothing aborts, whichever thread met the failure.
//
// This executable replaces the global operator new so that, once armed, every allocation of at
// least kFailingBytes fails as on a machine whose memory is gone; small ones still succeed, so the
// program can say what happened. It is a program of its own, so the other tests keep the ordinary
// operator new.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "tests/cli/reference_reading.h"
#include "tests/support/replaced_new.h"

namespace {

std::atomic<bool> gArmed{false};
constexpr std::size_t kFailingBytes = 2048;  // a row's JSON line is larger; its input line and fields are not

}  // namespace

void* vela_test::Allocate(std::size_t size, std::size_t alignment) noexcept {
    if (gArmed.load(std::memory_order_relaxed) && size >= kFailingBytes) return nullptr;
    return MallocAligned(size, alignment);
}

namespace {

using namespace vela::cli;
using namespace vela::files;

constexpr const char* kHeader = "name,date,time,zone,lat,lon,dst,city,state,country\n";
constexpr const char* kDelhiRow = "Asha,1975-06-15,10:30,34,28N37,77E13,false,New Delhi,Delhi,India\n";

// The header and one row, then a pause; the memory runs out when the sender writes again.
class FailingAfterFirstRow : public std::streambuf {
protected:
    std::streamsize showmanyc() override { return 0; }
    int_type underflow() override {
        if (next >= parts.size()) return traits_type::eof();
        if (next > 0) gArmed = true;
        auto& part = parts[next++];
        setg(part.data(), part.data(), part.data() + part.size());
        return traits_type::to_int_type(part.front());
    }

private:
    std::vector<std::string> parts = {std::string(kHeader) + kDelhiRow, std::string(kDelhiRow) + kDelhiRow + kDelhiRow};
    std::size_t next = 0;
};

TEST(RunBatch, stops_with_a_message_when_memory_runs_out_and_keeps_the_rows_answered) {
    FailingAfterFirstRow input;
    std::istream in(&input);
    std::ostringstream out;
    std::ostringstream err;
    out.str(std::string(4 * kFailingBytes, ' '));  // room for the answers, so writing them allocates nothing
    out.str("");
    const int status = RunBatch(in, out, err);
    gArmed = false;

    EXPECT_EQ(status, 1);
    EXPECT_EQ(err.str(), "vela-upagrahas-cli: out of memory; the batch stopped after the rows already written\n");
    std::istringstream written(out.str());
    std::vector<std::string> lines;
    for (std::string line; std::getline(written, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 1u) << out.str();
    EXPECT_EQ(Json::parse(lines[0])["ascendant"]["text"], kNewDelhiAscendant);
}

}  // namespace
