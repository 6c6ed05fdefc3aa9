// The command line's output, and the libraries that could write or read it in our place.
//
// A batch row is a reading (form -> validation -> driver -> upagrahas) and its JSON line. These
// benchmarks time the JSON line beside the reading it is written from, and hold each hand-written
// piece of text handling against a Debian library that does the same job, on the same inputs:
// the JSON writer's strings and numbers against RapidJSON's writer (and the numbers against
// double-conversion and fmt), the CSV splitter against libcsv, the accent folding of place names
// against ICU's Latin-ASCII transliterator, and the Latin-1 field encoding against ICU's
// converter. Beside the time, each library benchmark counts the inputs whose result differs from
// ours ("differ" counters), since the program's output must stay byte for byte what it is.
// Figures and commands: bench/README.md.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "atlas/place_name.h"
#include "bench/sample_forms.h"
#include "bench/shortest_plain.h"
#include "cli/batch.h"
#include "files/json_writer.h"
#include "files/reading_json.h"
#include "reading/calculation_driver.h"
#include "reading/reading_file.h"
#include "upagraha/upagraha_report.h"

#if __has_include(<rapidjson/writer.h>)
#define VELA_BENCH_RAPIDJSON 1
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>
#endif
#ifdef VELA_BENCH_DOUBLE_CONVERSION
#include <double-conversion/double-to-string.h>
#endif
#ifdef VELA_BENCH_FMT
#include <fmt/format.h>
#endif
#ifdef VELA_BENCH_LIBCSV
#include <csv.h>
#endif
#ifdef VELA_BENCH_ICU
#include <unicode/translit.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>
#endif

namespace {

using namespace vela;

// ---- Inputs ----------------------------------------------------------------------------------

struct Calculated {
    reading::Reading state;
    reading::CalculationOutcome outcome;
};

// 1,024 seeded readings as the batch calculates them (no report), as bench/vela_bench.cpp seeds them.
const std::vector<Calculated>& Readings() {
    static const std::vector<Calculated> readings = [] {
        std::mt19937_64 rng(20261207);
        std::vector<Calculated> all(1024);
        for (Calculated& c : all) {
            c.outcome = reading::RunCalculation(bench::RandomSampleForm(rng, 60).form, upagraha::kOriginalProfile,
                                                c.state, false);
            if (!c.outcome.Succeeded()) {
                std::fprintf(stderr, "benchmark reading refused: %s\n", c.outcome.message->text.c_str());
                std::exit(EXIT_FAILURE);
            }
        }
        return all;
    }();
    return readings;
}

// Every double a JSON line of those readings holds, in the order written.
const std::vector<double>& JsonNumbers() {
    static const std::vector<double> numbers = [] {
        std::vector<double> all;
        for (const Calculated& c : Readings()) {
            const upagraha::Upagrahas& u = c.outcome.upagrahas;
            all.push_back(c.state.latDegrees + c.state.latMinutes / 60.0);
            all.push_back(c.state.lonDegrees + c.state.lonMinutes / 60.0);
            all.push_back(c.state.birthAscendant.value);
            for (const upagraha::Portion& p : u.portions) all.insert(all.end(), {p.start, p.end});
            all.insert(all.end(), u.moments.begin(), u.moments.end());
            all.insert(all.end(), u.longitudes.begin(), u.longitudes.end());
        }
        return all;
    }();
    return numbers;
}

// The texts of one line: the reading's own (names, places, positions) and the fixed ones.
std::vector<std::string> JsonTexts() {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < 64; ++i) {
        const reading::Reading& s = Readings()[i].state;
        texts.insert(texts.end(), {s.name, s.city, s.state, s.country, s.birthAscendantText});
    }
    for (std::size_t i = 0; i < upagraha::kUpagrahaSignificance.size(); ++i) {
        texts.emplace_back(upagraha::kUpagrahaSignificance[i]);
        for (const std::string_view text : upagraha::kUpagrahaInterpretations[i]) texts.emplace_back(text);
    }
    return texts;
}

// Texts a JSON string must escape or repair: controls, quotes, backslashes, broken UTF-8.
const std::vector<std::string> kAwkwardTexts = {
    "tab\there",       "line\nbreak", "a \"quoted\" word", "back\\slash",       "bell\x07",
    "unit\x1f",        "broken \xC3", "stray \x80 byte",   "overlong \xC0\xAF", "surrogate \xED\xA0\x80",
    "S\xC3\xA3o Paulo"};

// CSV lines as bench/make_readings.py writes them, with a quoted field in some.
std::vector<std::string> CsvLines() {
    std::mt19937_64 rng(7);
    std::vector<std::string> lines;
    for (int i = 0; i < 4096; ++i) {
        const auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<std::uint64_t>(n)); };
        char line[200];
        std::snprintf(line, sizeof line, "%s,19%02d-%02d-%02d,%02d:%02d,%d,%dN%02d,%dE%02d,%s,%s,%s,%s",
                      pick(2) ? "Asha" : "\"Ravi Kumar\"", pick(100), 1 + pick(12), 1 + pick(28), pick(24), pick(60),
                      pick(71), pick(60), pick(60), pick(180), pick(60), pick(5) ? "false" : "true",
                      pick(2) ? "\"New Delhi\"" : "Chennai", pick(2) ? "Delhi" : "\"Tamil Nadu\"",
                      pick(3) ? "India" : "\"India, \"\"Bharat\"\"\"");
        lines.emplace_back(line);
    }
    return lines;
}

// Place names as an atlas spells them (accents, ligatures, apostrophes, transliterations).
const std::vector<std::string> kPlaceNames = {"S\xC3\xA3o Paulo",
                                              "M\xC3\xBCnchen",
                                              "Z\xC3\xBCrich",
                                              "Krak\xC3\xB3w",
                                              "Malm\xC3\xB6",
                                              "\xC3\x85rhus",
                                              "Gda\xC5\x84sk",
                                              "\xC5\x81\xC3\xB3\x64\xC5\xBA",
                                              "Bra\xC8\x99ov",
                                              "Ti\xC3\xB0rgar",
                                              "Reykjav\xC3\xADk",
                                              "\xC3\x9E\x6F\x72sh\xC3\xB6\x66n",
                                              "H\xE1\xBB\x93 Ch\xC3\xAD Minh",
                                              "\xC4\x90\xC3\xA0 N\xE1\xBA\xB5ng",
                                              "Sa\xE1\xB8\xA5\xC4\xABw\xC4\x81l",
                                              "Gro\xC3\x9F\x65nhain",
                                              "\xC3\x86r\xC3\xB8sk\xC3\xB8\x62ing",
                                              "C\xC3\xB3rdoba",
                                              "Bogot\xC3\xA1",
                                              "Montr\xC3\xA9\x61l",
                                              "Qu\xC3\xA9\x62\x65\x63",
                                              "Asunci\xC3\xB3n",
                                              "\xC3\x8Ele-de-France",
                                              "Bak\xC4\xB1",
                                              "G\xC9\x99nc\xC9\x99",
                                              "\xC5\x9E"
                                              "anl\xC4\xB1urfa",
                                              "Ni\xC5\xA1",
                                              "\xC4\x8C"
                                              "esk\xC3\xA9 Bud\xC4\x9Bjovice",
                                              "Pozna\xC5\x84",
                                              "Sevilla",
                                              "Winston-Salem",
                                              "N'Djamena",
                                              "Tr\xC3\xB8ndelag",
                                              "Cura\xC3\xA7\x61o",
                                              "Mal\xC3\xA9",
                                              "\xC3\x89vora"};

// ---- The JSON line ---------------------------------------------------------------------------

// One reading's JSON line, as the batch writes it into a line it reuses.
void BM_ReadingJsonLine(benchmark::State& state) {
    const auto& readings = Readings();
    files::TextBuffer line;
    std::size_t i = 0, bytes = 0;
    for (auto _ : state) {
        const Calculated& c = readings[i++ % readings.size()];
        line.Clear();
        files::AppendReadingJson(line, c.state, c.outcome.upagrahas, c.outcome.warnings);
        bytes += line.Size();
        benchmark::DoNotOptimize(line.View().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_ReadingJsonLine);

// The reading the line is written from, alone (no report, as the batch runs it).
void BM_ReadingNoReport(benchmark::State& state) {
    const auto& readings = Readings();
    std::mt19937_64 rng(20261207);
    std::vector<reading::BirthForm> forms;
    for (std::size_t k = 0; k < readings.size(); ++k) forms.push_back(bench::RandomSampleForm(rng, 60).form);
    reading::Reading s;
    std::size_t i = 0;
    for (auto _ : state) {
        auto outcome = reading::RunCalculation(forms[i++ % forms.size()], upagraha::kOriginalProfile, s, false);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_ReadingNoReport);

// ---- Numbers ---------------------------------------------------------------------------------

void BM_NumberOurs(benchmark::State& state) {
    const auto& numbers = JsonNumbers();
    char text[files::kMaxJsonNumberBytes];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(files::WriteJsonNumber(text, numbers[i++ % numbers.size()]));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_NumberOurs);

// The digits and the exponent of a number's text in any of the usual layouts ("12.5", "125",
// "1.25e+20", "0.000125"): what two writers must agree on, whatever their layout.
std::string DigitsOf(std::string_view text) {
    std::string digits;
    int exponent = 0, pointAt = -1, count = 0;
    const std::size_t e = text.find_first_of("eE");
    for (const char c : text.substr(0, e)) {
        if (c == '.') pointAt = count;
        if (c >= '0' && c <= '9') {
            digits += c;
            ++count;
        }
    }
    if (e != std::string_view::npos) std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.end(), exponent);
    if (digits.find_first_not_of('0') == std::string::npos) return "0";  // a zero has no exponent
    if (pointAt < 0) pointAt = count;
    int lead = 0;
    while (lead + 1 < static_cast<int>(digits.size()) && digits[static_cast<std::size_t>(lead)] == '0') ++lead;
    digits.erase(0, static_cast<std::size_t>(lead));
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    return digits + "e" + std::to_string(exponent + pointAt - lead);
}

std::string OurNumber(double value) {
    std::string text;
    files::AppendJsonNumber(text, value);
    return text;
}

#ifdef VELA_BENCH_RAPIDJSON
// RapidJSON's writer: Grisu2 digits and its own layout ("1e21", exponents from 1e21 up).
void BM_NumberRapidJson(benchmark::State& state) {
    const auto& numbers = JsonNumbers();
    rapidjson::StringBuffer buffer;
    rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
    std::size_t i = 0;
    for (auto _ : state) {
        buffer.Clear();
        writer.Reset(buffer);
        writer.Double(numbers[i++ % numbers.size()]);
        benchmark::DoNotOptimize(buffer.GetString());
    }
    std::size_t differ = 0, digitsDiffer = 0;
    for (const double v : numbers) {
        buffer.Clear();
        writer.Reset(buffer);
        writer.Double(v);
        differ += buffer.GetString() != OurNumber(v);
        digitsDiffer += DigitsOf(buffer.GetString()) != DigitsOf(OurNumber(v));
    }
    state.counters["differ"] = static_cast<double>(differ) / static_cast<double>(numbers.size());
    state.counters["digits_differ"] = static_cast<double>(digitsDiffer) / static_cast<double>(numbers.size());
}
BENCHMARK(BM_NumberRapidJson);
#endif

#ifdef VELA_BENCH_DOUBLE_CONVERSION
// double-conversion's shortest digits (Grisu3 with its exact fallback): the digits only, before
// any layout, so its time is a floor for a writer built on it.
void BM_NumberDoubleConversionDigits(benchmark::State& state) {
    using double_conversion::DoubleToStringConverter;
    const auto& numbers = JsonNumbers();
    char digits[DoubleToStringConverter::kBase10MaximalLength + 1];
    bool sign = false;
    int length = 0, point = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        DoubleToStringConverter::DoubleToAscii(numbers[i++ % numbers.size()], DoubleToStringConverter::SHORTEST, 0,
                                               digits, sizeof digits, &sign, &length, &point);
        benchmark::DoNotOptimize(digits);
    }
    std::size_t differ = 0;
    for (const double v : numbers) {
        DoubleToStringConverter::DoubleToAscii(v, DoubleToStringConverter::SHORTEST, 0, digits, sizeof digits, &sign,
                                               &length, &point);
        const std::string theirs = std::string(digits, static_cast<std::size_t>(length));
        differ += (theirs == "0" ? theirs : theirs + "e" + std::to_string(point)) != DigitsOf(OurNumber(v));
    }
    state.counters["digits_differ"] = static_cast<double>(differ) / static_cast<double>(numbers.size());
}
BENCHMARK(BM_NumberDoubleConversionDigits);
#endif

#ifdef VELA_BENCH_FMT
// fmt's shortest form (Dragonbox) in its own layout ("{}": "125", "1.25e+20").
void BM_NumberFmt(benchmark::State& state) {
    const auto& numbers = JsonNumbers();
    char text[40];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fmt::format_to(text, "{}", numbers[i++ % numbers.size()]));
        benchmark::ClobberMemory();
    }
    std::size_t differ = 0, digitsDiffer = 0;
    for (const double v : numbers) {
        const std::string theirs = fmt::format("{}", v);
        differ += theirs != OurNumber(v);
        digitsDiffer += DigitsOf(theirs) != DigitsOf(OurNumber(v));
    }
    state.counters["differ"] = static_cast<double>(differ) / static_cast<double>(numbers.size());
    state.counters["digits_differ"] = static_cast<double>(digitsDiffer) / static_cast<double>(numbers.size());
}
BENCHMARK(BM_NumberFmt);
#endif

// The writer's own 128-bit shortest digits as they were before fmt's Dragonbox replaced them (the
// plain range, 1e-4 to 1e15, where every number of a reading lies), beside BM_NumberOurs.
void BM_NumberBefore(benchmark::State& state) {
    const auto& numbers = JsonNumbers();
    char text[files::kMaxJsonNumberBytes];
    std::size_t i = 0;
    for (auto _ : state) {
        const double v = numbers[i++ % numbers.size()];
        const double magnitude = std::fabs(v);
        char* o = text;
        if (magnitude >= 1e-4 && magnitude < 1e15) {
            if (v < 0) *o++ = '-';
            benchmark::DoNotOptimize(bench_before::WriteShortestPlain(o, magnitude));
        } else {
            benchmark::DoNotOptimize(files::WriteJsonNumber(text, v));
        }
        benchmark::ClobberMemory();
    }
    std::size_t differ = 0;
    for (const double v : numbers) {
        char before[files::kMaxJsonNumberBytes];
        char* o = before;
        const double magnitude = std::fabs(v);
        if (magnitude >= 1e-4 && magnitude < 1e15 && v != 0) {
            if (v < 0) *o++ = '-';
            o = bench_before::WriteShortestPlain(o, magnitude);
        } else {
            o = files::WriteJsonNumber(before, v);
        }
        differ += std::string_view(before, static_cast<std::size_t>(o - before)) != OurNumber(v);
    }
    state.counters["differ"] = static_cast<double>(differ) / static_cast<double>(numbers.size());
}
BENCHMARK(BM_NumberBefore);

// ---- Strings ---------------------------------------------------------------------------------

void BM_StringOurs(benchmark::State& state) {
    const std::vector<std::string> texts = JsonTexts();
    std::string out;
    std::size_t i = 0, bytes = 0;
    for (auto _ : state) {
        out.clear();
        const std::string& text = texts[i++ % texts.size()];
        files::AppendJsonString(out, text);
        bytes += text.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_StringOurs);

#ifdef VELA_BENCH_RAPIDJSON
void BM_StringRapidJson(benchmark::State& state) {
    const std::vector<std::string> texts = JsonTexts();
    rapidjson::StringBuffer buffer;
    rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
    std::size_t i = 0, bytes = 0;
    for (auto _ : state) {
        buffer.Clear();
        writer.Reset(buffer);
        const std::string& text = texts[i++ % texts.size()];
        writer.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
        bytes += text.size();
        benchmark::DoNotOptimize(buffer.GetString());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    std::size_t differ = 0;
    for (const std::string& text : kAwkwardTexts) {
        buffer.Clear();
        writer.Reset(buffer);
        writer.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
        std::string ours;
        files::AppendJsonString(ours, text);
        differ += buffer.GetString() != ours;
    }
    state.counters["awkward_differ"] = static_cast<double>(differ) / static_cast<double>(kAwkwardTexts.size());
}
BENCHMARK(BM_StringRapidJson);
#endif

// ---- CSV -------------------------------------------------------------------------------------

void BM_CsvOurs(benchmark::State& state) {
    const std::vector<std::string> lines = CsvLines();
    std::vector<std::string> fields;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cli::SplitCsvLine(lines[i++ % lines.size()], fields));
        benchmark::DoNotOptimize(fields.data());
    }
}
BENCHMARK(BM_CsvOurs);

#ifdef VELA_BENCH_LIBCSV
struct CsvFields {
    std::vector<std::string> fields;
    std::size_t count = 0;
};

void OnField(void* data, std::size_t size, void* sink) {
    auto& f = *static_cast<CsvFields*>(sink);
    if (f.count == f.fields.size()) f.fields.emplace_back();
    f.fields[f.count++].assign(static_cast<const char*>(data), size);
}

// libcsv, strict, one line at a time as the batch splits them; the fields are kept in strings
// reused from line to line, as ours are.
bool SplitWithLibcsv(csv_parser& parser, std::string_view line, CsvFields& f) {
    f.count = 0;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_EMPTY_IS_NULL);
    const bool ok = csv_parse(&parser, line.data(), line.size(), OnField, nullptr, &f) == line.size() &&
                    csv_fini(&parser, OnField, nullptr, &f) == 0;
    csv_free(&parser);
    return ok;
}

void BM_CsvLibcsv(benchmark::State& state) {
    const std::vector<std::string> lines = CsvLines();
    csv_parser parser{};
    CsvFields f;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SplitWithLibcsv(parser, lines[i++ % lines.size()], f));
        benchmark::DoNotOptimize(f.fields.data());
    }
    // The same fields on every valid line; and on the lines the batch refuses, a refusal too.
    std::size_t differ = 0;
    std::vector<std::string> ours;
    for (const std::string& line : lines) {
        cli::SplitCsvLine(line, ours);
        SplitWithLibcsv(parser, line, f);
        differ += f.count != ours.size() || !std::equal(ours.begin(), ours.end(), f.fields.begin(),
                                                        f.fields.begin() + static_cast<long>(f.count));
    }
    const std::vector<std::string> malformed = {"\"open,b", "\"closed\"x,b", "a\"b,c", "a,\"b\"\"", "\"a\" ,b"};
    std::size_t acceptedMalformed = 0;
    for (const std::string& line : malformed) acceptedMalformed += SplitWithLibcsv(parser, line, f);
    state.counters["differ"] = static_cast<double>(differ) / static_cast<double>(lines.size());
    state.counters["malformed_accepted"] =
        static_cast<double>(acceptedMalformed) / static_cast<double>(malformed.size());
}
BENCHMARK(BM_CsvLibcsv);
#endif

// ---- Place names and reading files -----------------------------------------------------------

void BM_FoldPlaceNameOurs(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(atlas::FoldPlaceName(kPlaceNames[i++ % kPlaceNames.size()]));
}
BENCHMARK(BM_FoldPlaceNameOurs);

void BM_Latin1Ours(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(reading::EncodeField(kPlaceNames[i++ % kPlaceNames.size()]));
}
BENCHMARK(BM_Latin1Ours);

#ifdef VELA_BENCH_ICU
// ICU's Latin-ASCII transliterator, then ours for what it leaves (punctuation and blanks), so the
// comparison is of the letters alone.
void BM_FoldPlaceNameIcu(benchmark::State& state) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> latinAscii(
        icu::Transliterator::createInstance("Latin-ASCII", UTRANS_FORWARD, status));
    if (U_FAILURE(status)) {
        state.SkipWithError("no Latin-ASCII transliterator");
        return;
    }
    const auto fold = [&latinAscii](const std::string& name) {
        icu::UnicodeString text = icu::UnicodeString::fromUTF8(name);
        latinAscii->transliterate(text);
        std::string ascii;
        text.toUTF8String(ascii);
        return atlas::FoldPlaceName(ascii);
    };
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(fold(kPlaceNames[i++ % kPlaceNames.size()]));
    std::size_t differ = 0;
    for (const std::string& name : kPlaceNames) differ += fold(name) != atlas::FoldPlaceName(name);
    state.counters["differ"] = static_cast<double>(differ) / static_cast<double>(kPlaceNames.size());
}
BENCHMARK(BM_FoldPlaceNameIcu);

// ICU's ISO-8859-1 converter, then the file's shift added to each byte, as EncodeField does.
void BM_Latin1Icu(benchmark::State& state) {
    UErrorCode status = U_ZERO_ERROR;
    UConverter* latin1 = ucnv_open("ISO-8859-1", &status);
    const auto encode = [latin1](const std::string& text) {
        UErrorCode error = U_ZERO_ERROR;
        const icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(text);
        char bytes[256];
        const int32_t length =
            ucnv_fromUChars(latin1, bytes, sizeof bytes, unicode.getBuffer(), unicode.length(), &error);
        std::string shifted;
        for (int32_t k = 0; k < length && k < static_cast<int32_t>(sizeof bytes); ++k) {
            const int code = static_cast<unsigned char>(bytes[k]) + reading::kFieldShift;
            if (code <= 255) shifted += static_cast<char>(code);
        }
        return shifted;
    };
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(encode(kPlaceNames[i++ % kPlaceNames.size()]));
    std::size_t differ = 0;
    for (const std::string& name : kPlaceNames) differ += encode(name) != reading::EncodeField(name);
    state.counters["differ"] = static_cast<double>(differ) / static_cast<double>(kPlaceNames.size());
    ucnv_close(latin1);
}
BENCHMARK(BM_Latin1Icu);
#endif

}  // namespace

BENCHMARK_MAIN();
