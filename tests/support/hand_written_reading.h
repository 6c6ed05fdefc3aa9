// A reading file written by hand, as another program (or an older one) may have written it: each
// field a Latin-1 byte string, every byte moved up by the shift, each line ended with CR LF. It
// uses none of the program's own encoding, so a test can check the reader against it.
#pragma once

#include <string>
#include <vector>

inline std::string HandWrittenReading(const std::vector<std::string>& latin1Fields, int shift) {
    std::string bytes;
    for (const auto& field : latin1Fields) {
        for (const char c : field) bytes += static_cast<char>(static_cast<unsigned char>(c) + shift);
        bytes += "\r\n";
    }
    return bytes;
}
