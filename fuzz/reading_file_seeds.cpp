// Writes the seed corpus of the reading-file fuzzer into the folder given as the only argument: a
// saved reading as the program writes it, the same reading in the other forms the reader must take
// (another shift, LF line ends, no month or zone selected), and one it must refuse (a short file).
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

#include "reading/reading_file.h"

namespace {

using namespace vela;
using namespace vela::reading;

// Born 29 February 1904 at 23:59 in Chennai, 13°05' N 80°17' E.
reading::Reading Sample() {
    // Field by field: the record derives from the upagraha input, so it takes no designated initialisers.
    reading::Reading s;
    s.name = "Kiran Iyer";
    s.day = 29;
    s.month = 2;
    s.year = 1904;
    s.hour = 23;
    s.minute = 59;
    s.latDegrees = 13;
    s.latMinutes = 5;
    s.lonDegrees = 80;
    s.lonMinutes = 17;
    s.south = false;
    s.east = true;
    s.dst = false;
    s.city = "Chennai";
    s.state = "Tamil Nadu";
    s.country = "India";
    return s;
}

// Every field byte moved from the program's shift to another one.
std::string WithShift(const std::string& bytes, int shift) {
    std::string moved;
    for (const char c : bytes) {
        const int code = static_cast<unsigned char>(c);
        moved += (c == '\r' || c == '\n') ? c : static_cast<char>(code - kFieldShift + shift);
    }
    return moved;
}

std::string WithoutCarriageReturns(std::string bytes) {
    std::erase(bytes, '\r');
    return bytes;
}

// The first n lines.
std::string FirstLines(const std::string& bytes, int n) {
    std::size_t end = 0;
    for (int k = 0; k < n && end < bytes.size(); ++k) end = std::min(bytes.find('\n', end), bytes.size()) + 1;
    return bytes.substr(0, end);
}

bool Write(const std::string& folder, const char* name, const std::string& bytes) {
    std::ofstream out(folder + "/" + name, std::ios::binary);
    out << bytes;
    return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: reading_file_seeds FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::string sample = ReadingFileText(Sample(), 34);
    reading::Reading nothingSelected = Sample();
    nothingSelected.month = 0;
    reading::Reading latin1 = Sample();
    latin1.name = "Ren\u00E9e Kr\u00E4mer";
    const bool ok = Write(folder, "sample.ved", sample) && Write(folder, "shift45.ved", WithShift(sample, 45)) &&
                    Write(folder, "lf.ved", WithoutCarriageReturns(sample)) &&
                    Write(folder, "ten-lines.ved", FirstLines(sample, 10)) &&
                    Write(folder, "nothing-selected.ved", ReadingFileText(nothingSelected, -1)) &&
                    Write(folder, "latin1.ved", ReadingFileText(latin1, 70));
    if (!ok) std::fprintf(stderr, "reading_file_seeds: could not write into %s\n", folder.c_str());
    return ok ? 0 : 1;
}
