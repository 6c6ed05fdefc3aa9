// The JSON object of a reading: its shape, and that its figures agree with each other and with
// independent sources.
#include "files/reading_json.h"

#include "files/json_writer.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "astro/calendar.h"
#include "reading/calculation_driver.h"
#include "tests/cli/reference_reading.h"
#include "upagraha/upagraha_report.h"

namespace {

using namespace vela;
using namespace vela::files;

struct Computed {
    reading::Reading state;
    reading::CalculationOutcome outcome;
};

Computed Calculate(const ReadingNotation& notation) {
    Computed c;
    reading::BirthForm form;
    EXPECT_FALSE(FillBirthForm(notation, form));
    c.outcome = reading::RunCalculation(form, c.state);
    EXPECT_TRUE(c.outcome.Succeeded()) << c.outcome.message->text;
    return c;
}

Json ReadingJson(const reading::Reading& s, const upagraha::Upagrahas& u) {
    return Json::parse(ReadingJsonLine(s, u, {}));
}

Json NewDelhiJson() {
    const auto c = Calculate(NewDelhiNotation());
    return ReadingJson(c.state, c.outcome.upagrahas);
}

int MinutesOf(const std::string& hhmm) { return std::stoi(hhmm.substr(0, 2)) * 60 + std::stoi(hhmm.substr(3, 2)); }

// Degrees of a compact text such as "05 Leo 54" at the start of its minute.
double CompactDegrees(const std::string& text) {
    static const std::string signs = "AriTauGemCanLeoVirLibScoSagCapAquPis";
    const auto sign = signs.find(text.substr(3, 3));
    EXPECT_NE(sign, std::string::npos) << text;
    return static_cast<double>(sign / 3) * 30 + std::stoi(text.substr(0, 2)) + std::stoi(text.substr(7, 2)) / 60.0;
}

void ExpectDegreesMatchText(const Json& degrees, const Json& text) {
    ASSERT_TRUE(degrees.is_number_float());
    const double d = degrees.get<double>();
    EXPECT_GE(d, 0.0);
    EXPECT_LT(d, 360.0);
    // The text truncates to the minute, so the degrees lie within that minute.
    const double start = CompactDegrees(text.get<std::string>());
    EXPECT_GE(d, start - 1e-9) << text;
    EXPECT_LT(d, start + 1.0 / 60 + 1e-9) << text;
}

TEST(ReadingJson, has_the_documented_keys_in_order) {
    const Json j = NewDelhiJson();
    std::vector<std::string> keys;
    for (const auto& [key, value] : j.items()) keys.push_back(key);
    const std::vector<std::string> expected = {
        "name",      "date",     "time",      "zone",    "zone_text", "zone_offset_seconds", "dst", "latitude",
        "longitude", "city",     "state",     "country", "profile",   "ascendant",           "sun", "birth_by_day",
        "weekday",   "portions", "upagrahas", "warnings"};
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(j["zone_offset_seconds"], 5 * 3600 + 30 * 60);  // Indian Standard Time, UTC+05:30
    ASSERT_EQ(j["portions"].size(), 8u);
    ASSERT_EQ(j["upagrahas"].size(), 6u);
    for (const auto& p : j["portions"]) {
        EXPECT_TRUE(p["lord"].is_string());
        EXPECT_TRUE(p["start"].is_number());
        EXPECT_TRUE(p["end"].is_number());
    }
    for (const char* day : {"previous", "birth", "next"}) {
        EXPECT_EQ(j["sun"][day]["rise"].get<std::string>().size(), 5u) << day;
        EXPECT_EQ(j["sun"][day]["set"].get<std::string>().size(), 5u) << day;
    }
    std::vector<std::string> upagrahaKeys;
    for (const auto& [key, value] : j["upagrahas"][0].items()) upagrahaKeys.push_back(key);
    const std::vector<std::string> expectedUpagraha = {"name",      "lord", "moment", "longitude",    "degrees",
                                                       "nakshatra", "pada", "house",  "significance", "interpretation"};
    EXPECT_EQ(upagrahaKeys, expectedUpagraha);
}

// The zone check's sentence, as the issue's worked example gives it: row 0 (Alaska/Hawaii Daylight
// Time, -9:00) at 77°13' E, whose mean time is 77.2167 / 15 = 5.148 h = +5:09.
TEST(ReadingJson, lists_the_warnings_of_the_reading) {
    EXPECT_EQ(NewDelhiJson()["warnings"], Json::array());

    auto slip = NewDelhiNotation();
    slip.zoneName = "0";
    const auto c = Calculate(slip);
    const Json j = Json::parse(ReadingJsonLine(c.state, c.outcome.upagrahas, c.outcome.warnings));
    EXPECT_EQ(j["warnings"], Json::array({"Alaska/Hawaii Daylight Time is \u2212"
                                          "9:00; the mean time at 77\u00B0"
                                          "13\u2032 E "
                                          "is +5:09."}));
}

// New Delhi, 15 June 1975, 10:30 IST: the ascendant at Leo 5°54′ lies in Magha (Leo 0° to 13°20′),
// its second pada (3°20′ to 6°40′); Kaala at Gemini 10°56′ (70°56′) in Ardra (66°40′ to 80°), 4°16′
// in: its second pada (3°20′ to 6°40′).
TEST(ReadingJson, places_the_ascendant_and_each_upagraha_in_its_nakshatra_and_pada) {
    const Json j = NewDelhiJson();
    EXPECT_EQ(j["ascendant"]["text"], "05 Leo 54");
    EXPECT_EQ(j["ascendant"]["nakshatra"], "Magha");
    EXPECT_EQ(j["ascendant"]["pada"], 2);
    EXPECT_EQ(j["upagrahas"][0]["longitude"], "10 Gem 56");
    EXPECT_EQ(j["upagrahas"][0]["nakshatra"], "Ardra");
    EXPECT_EQ(j["upagrahas"][0]["pada"], 2);
    for (const auto& upagraha : j["upagrahas"]) {
        EXPECT_TRUE(upagraha["nakshatra"].is_string());
        EXPECT_GE(upagraha["pada"].get<int>(), 1);
        EXPECT_LE(upagraha["pada"].get<int>(), 4);
    }
}

TEST(ReadingJson, echoes_the_birth_data_in_the_command_line_notation) {
    const Json j = NewDelhiJson();
    EXPECT_EQ(j["name"], "Asha");
    EXPECT_EQ(j["date"], "1975-06-15");
    EXPECT_EQ(j["time"], "10:30");
    EXPECT_EQ(j["zone"], 34);
    EXPECT_EQ(j["zone_text"], "Indian Time, IST, +5.3");
    EXPECT_EQ(j["dst"], false);
    EXPECT_DOUBLE_EQ(j["latitude"].get<double>(), 28 + 37 / 60.0);
    EXPECT_DOUBLE_EQ(j["longitude"].get<double>(), 77 + 13 / 60.0);
    EXPECT_EQ(j["city"], "New Delhi");
    EXPECT_EQ(j["country"], "India");
    EXPECT_EQ(j["profile"]["name"], "original");
}

TEST(ReadingJson, counts_south_and_west_negative) {
    // Greenwich side of London, and Sydney: 0W07 and 33S52.
    auto london = NewDelhiNotation();
    london.zoneName = "20";  // any row will do for the signs of the place
    london.latText = "51N30";
    london.lonText = "0W07";
    auto c = Calculate(london);
    Json j = ReadingJson(c.state, c.outcome.upagrahas);
    EXPECT_DOUBLE_EQ(j["latitude"].get<double>(), 51.5);
    EXPECT_DOUBLE_EQ(j["longitude"].get<double>(), -7 / 60.0);

    auto sydney = NewDelhiNotation();
    sydney.latText = "33S52";
    sydney.lonText = "151E13";
    c = Calculate(sydney);
    j = ReadingJson(c.state, c.outcome.upagrahas);
    EXPECT_DOUBLE_EQ(j["latitude"].get<double>(), -(33 + 52 / 60.0));
    EXPECT_DOUBLE_EQ(j["longitude"].get<double>(), 151 + 13 / 60.0);
}

TEST(ReadingJson, gives_the_birth_ascendant_as_text_and_degrees) {
    const Json j = NewDelhiJson();
    EXPECT_EQ(j["ascendant"]["text"], kNewDelhiAscendant);
    ExpectDegreesMatchText(j["ascendant"]["degrees"], j["ascendant"]["text"]);
}

TEST(ReadingJson, gives_sunrise_and_sunset_near_the_almanac) {
    // New Delhi (28 deg 37' N, 77 deg 13' E), 14 to 16 June 1975, Indian time: sunrise 05:23 and
    // sunset 19:20 on all three days, from the Swiss Ephemeris 2.10.03 (swe_rise_trans, upper limb
    // with standard refraction) and PyEphem 4.1.4 alike. Tolerance 2 minutes: one for the
    // rounding, one for the model's low-precision coefficients.
    const Json j = NewDelhiJson();
    for (const char* day : {"previous", "birth", "next"}) {
        EXPECT_NEAR(MinutesOf(j["sun"][day]["rise"]), 5 * 60 + 23, 2) << day;
        EXPECT_NEAR(MinutesOf(j["sun"][day]["set"]), 19 * 60 + 20, 2) << day;
    }
}

TEST(ReadingJson, places_the_portions_and_moments_consistently) {
    const Json j = NewDelhiJson();
    // 15 June 1975 was a Sunday, and 10:30 lies between sunrise and sunset.
    EXPECT_EQ(j["weekday"], 0);
    EXPECT_EQ(j["birth_by_day"], true);

    const auto& portions = j["portions"];
    EXPECT_NEAR(portions[0]["start"].get<double>(), MinutesOf(j["sun"]["birth"]["rise"]) / 60.0, 1e-6);
    EXPECT_NEAR(portions[7]["end"].get<double>(), MinutesOf(j["sun"]["birth"]["set"]) / 60.0, 1e-6);
    for (std::size_t k = 1; k < portions.size(); ++k)
        EXPECT_EQ(portions[k]["start"].get<double>(), portions[k - 1]["end"].get<double>()) << k;

    for (const auto& u : j["upagrahas"]) {
        const Json* own = nullptr;
        for (const auto& p : portions)
            if (p["lord"] == u["lord"]) own = &p;
        ASSERT_NE(own, nullptr) << u["name"];
        // Each moment is the middle of its lord's portion.
        EXPECT_NEAR(u["moment"].get<double>(), ((*own)["start"].get<double>() + (*own)["end"].get<double>()) / 2, 1e-9)
            << u["name"];
        ExpectDegreesMatchText(u["degrees"], u["longitude"]);
        EXPECT_GE(u["house"].get<int>(), 1);
        EXPECT_LE(u["house"].get<int>(), 12);
    }
}

TEST(ReadingJson, carries_the_report_texts_of_each_upagraha) {
    const auto c = Calculate(NewDelhiNotation());
    const Json j = ReadingJson(c.state, c.outcome.upagrahas);
    const std::string report = upagraha::ReportPlainText(c.outcome.report);
    for (const auto& u : j["upagrahas"]) {
        // The report prints the same longitude, house, significance and interpretation.
        const std::string block = u["name"].get<std::string>() + "\nLongitude\n" + u["longitude"].get<std::string>() +
                                  "\nSignificance\n" + u["significance"].get<std::string>() + "\nHouse Position\n" +
                                  std::to_string(u["house"].get<int>()) + "\nInterpretation\n" +
                                  u["interpretation"].get<std::string>() + "\n";
        EXPECT_NE(report.find(block), std::string::npos) << block;
    }
}

TEST(ReadingJson, prints_numbers_that_read_back_exactly) {
    const auto c = Calculate(NewDelhiNotation());
    const Json j = ReadingJson(c.state, c.outcome.upagrahas);
    EXPECT_EQ(j["ascendant"]["degrees"].get<double>(), c.state.birthAscendant.value);
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_EQ(j["portions"][k]["start"].get<double>(), c.outcome.upagrahas.portions[k].start);
        EXPECT_EQ(j["portions"][k]["end"].get<double>(), c.outcome.upagrahas.portions[k].end);
    }
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(j["upagrahas"][i]["moment"].get<double>(), c.outcome.upagrahas.moments[i]);
        EXPECT_EQ(j["upagrahas"][i]["degrees"].get<double>(), c.outcome.upagrahas.longitudes[i]);
    }
}

// Numbers in the layout the JSON library itself writes, so a reader sees one style throughout.
TEST(JsonWriter, writes_numbers_as_the_json_library_does) {
    for (const double v : {0.0, -0.0, 1.0, -6.0, 4.24375, 0.14687500000000053, 1e-5, 0.0001, 123456789012345.0,
                           1234567890123456.0, 1e20, -2.5e-7, 359.99999999999994, 66.1270856426113,
                           // either side of where the plain layout begins and ends
                           std::nextafter(1e-4, 0.0), std::nextafter(1e-4, 1.0), -0.00012345678901234567,
                           std::nextafter(1e15, 0.0), 1e15, -999999999999999.9, 100.0, 0.5, 47.000000000000007}) {
        std::string ours;
        AppendJsonNumber(ours, v);
        EXPECT_EQ(ours, Json(v).dump()) << v;
    }
    std::string inf;
    AppendJsonNumber(inf, std::numeric_limits<double>::infinity());
    EXPECT_EQ(inf, "null");
}

// Between 1e-4 and 1e15 the writer finds the shortest digits itself; they must be those of the
// standard library's shortest form (bench/number_check.cpp runs the same on 146 million values).
TEST(JsonWriter, writes_the_shortest_digits_that_std_to_chars_gives) {
    const auto library = [](double v) {
        char text[64];
        char* end = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed).ptr;
        std::string s(text, end);
        if (s.find('.') == std::string::npos) s += ".0";
        return s;
    };
    std::mt19937_64 rng(19);
    const auto least = std::bit_cast<std::uint64_t>(1e-4), most = std::bit_cast<std::uint64_t>(1e15);
    std::vector<double> values;
    for (int i = 0; i < 100000; ++i) {
        values.push_back(std::bit_cast<double>(least + rng() % (most - least)));               // any bits
        values.push_back(std::ldexp(static_cast<double>(rng() % (1ULL << 53)), -53) * 360.0);  // degrees
        values.push_back(static_cast<double>(rng() % 1000000) / std::pow(10.0, static_cast<int>(rng() % 10)));
    }
    // The least double of each binade (a narrower interval below it) and powers of ten, with
    // their neighbours; whole numbers and halves.
    for (int e = -13; e < 50; ++e)
        for (const double v : {std::ldexp(1.0, e), std::pow(10.0, e / 4)})
            for (double w = v, k = 0; k < 3; ++k, w = std::nextafter(w, 0.0))
                values.insert(values.end(), {w, std::nextafter(v, 1e300)});
    for (const double v : {7.0, 1000.0, 999999999999999.0, 0.5, 2.5, 123456.5, 0.0001220703125}) values.push_back(v);
    int differing = 0;
    for (const double v : values) {
        for (const double signedValue : {v, -v}) {
            if (!(std::fabs(signedValue) >= 1e-4 && std::fabs(signedValue) < 1e15)) continue;
            std::string ours;
            AppendJsonNumber(ours, signedValue);
            const std::string expected = (signedValue < 0 ? "-" : "") + library(std::fabs(signedValue));
            if (ours != expected && ++differing <= 5) ADD_FAILURE() << ours << " against " << expected;
        }
    }
    EXPECT_EQ(differing, 0);
}

// The batch's line is written in pieces into a buffer of its own; its values must come out as the
// JSON library dumps them, across the buffer's growth: texts that are plain, need escaping or are
// not UTF-8, with the awkward byte at each place of an eight-byte block, and integers and numbers.
TEST(JsonPieces, write_values_as_the_json_library_dumps_them) {
    std::vector<std::string> texts = {"",
                                      "a",
                                      "plain",
                                      "10 Sag 56",
                                      "New South Wales",
                                      std::string(70000, 'x'),
                                      "Ren\xE9",
                                      "M\xC3\xBCnchen",
                                      "tab\tline\n\x01\x7f"};
    for (const std::size_t length : {1u, 7u, 8u, 9u, 15u, 16u, 17u}) {
        for (std::size_t at = 0; at < length; ++at) {
            for (const char awkward : {'"', '\\', '\n', '\x1f', '\x80'}) {
                std::string text(length, 'k');
                text[at] = awkward;
                texts.push_back(text);
            }
        }
    }
    TextBuffer buffer;
    buffer.Append("prefix ");
    Json expected = Json::array();
    {
        JsonPieces w(buffer);
        w.Put("[");
        for (const std::string& text : texts) {
            w.String(text);
            w.Put(",");
            expected.push_back(text);
        }
        for (const std::int64_t n : {std::int64_t{0}, std::int64_t{9}, std::int64_t{10}, std::int64_t{99},
                                     std::int64_t{100}, std::int64_t{-1}, std::numeric_limits<std::int64_t>::min()}) {
            w.Integer(n);
            w.Put(",");
            expected.push_back(n);
        }
        for (const double v : {2.5, 2.5, 0.0, -0.0, 1e-5, 359.99999999999994, 6.314583333333333}) {
            w.Number(v);
            w.Put(",");
            expected.push_back(v);
        }
        w.Bool(true);
        expected.push_back(true);
        w.Put("]");
    }
    const std::string_view written = buffer.View();
    ASSERT_EQ(written.substr(0, 7), "prefix ");
    EXPECT_EQ(written.substr(7), expected.dump(-1, ' ', false, Json::error_handler_t::replace));
}

TEST(JsonWriter, escapes_strings_as_the_json_library_does) {
    for (const std::string& text :
         {std::string("plain"), std::string("quote \" and back\\slash"), std::string("tab\tline\nreturn\r\b\f"),
          std::string("\x01\x1f\x7f"), std::string("M\xC3\xBCnchen \xE2\x80\x94 \xF0\x9F\x8C\x9E"), std::string("")}) {
        std::string ours;
        AppendJsonString(ours, text);
        EXPECT_EQ(ours, Json(text).dump()) << text;
    }
}

// The writer appends through a cursor into room it makes in steps, copies strings that need no
// escaping and reuses the text of a number equal to the last one: the whole must still be what the
// JSON library dumps for the same values, after text already in the target.
TEST(JsonWriter, writes_through_its_cursor_what_the_json_library_dumps) {
    const std::string longText(1500, 'x');
    const std::string longEscaped = std::string(700, 'a') + "\"\n\xC3" + std::string(700, 'b');
    Json expected = Json::array();
    std::string line = "prefix ";
    {
        JsonWriter w(line);
        w.BeginArray();
        for (const double v : {2.5, 2.5, 0.0, -0.0, -0.0, 0.0, 1e-5, 1e-5, 6.314583333333333}) {
            w.Number(v);
            expected.push_back(v);
        }
        for (const std::string& text : {std::string("plain"), std::string("tab\there"), longText, longEscaped,
                                        std::string("Ren\xE9"), std::string()}) {
            w.String(text);
            expected.push_back(text);
        }
        const std::string fixed = EscapedJson("a \"fixed\" text \xE2\x80\x94");
        w.String(EscapedJsonText{fixed});
        expected.push_back("a \"fixed\" text \xE2\x80\x94");
        w.BeginObject();
        w.Field("min", std::numeric_limits<std::int64_t>::min());
        w.Field("flag", false);
        w.Key("none");
        w.Null();
        w.EndObject();
        expected.push_back(Json{{"min", std::numeric_limits<std::int64_t>::min()}, {"flag", false}, {"none", nullptr}});
        w.EndArray();
    }
    ASSERT_EQ(line.substr(0, 7), "prefix ");
    EXPECT_EQ(line.substr(7), expected.dump(-1, ' ', false, Json::error_handler_t::replace));
}

TEST(JsonLine, writes_one_line_even_for_text_that_is_not_utf8) {
    // A name from an old reading file in a single-byte character set: 0xE9 alone is not UTF-8.
    auto c = Calculate(NewDelhiNotation());
    c.state.name = "Ren\xE9\nSecond line";
    const std::string line = ReadingJsonLine(c.state, c.outcome.upagrahas, c.outcome.warnings);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    const Json back = Json::parse(line);
    EXPECT_EQ(back["name"], "Ren\xEF\xBF\xBD\nSecond line");
}

TEST(JsonLine, writes_the_row_error_object) {
    EXPECT_EQ(RowErrorJsonLine(7, "the \"zone\" is wrong"), R"({"row":7,"error":"the \"zone\" is wrong"})");
}

TEST(ClockText, rounds_a_date_value_to_the_minute) {
    EXPECT_EQ(ClockText(27925.5), "12:00");
    EXPECT_EQ(ClockText(27925 + 5.0 / 1440), "00:05");
    EXPECT_EQ(ClockText(27925 + (19 * 60 + 20) / 1440.0 - 1e-9), "19:20");
    // Half a minute before midnight rounds to the next minute, which is 00:00.
    EXPECT_EQ(ClockText(27925 + 1439.6 / 1440), "00:00");
}

}  // namespace
