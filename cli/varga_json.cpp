#include "cli/varga_json.h"

#include <array>

#include "upagraha/profiles.h"

namespace vela::cli {

namespace {

constexpr std::array<files::JsonKey, upagraha::kVargaCount> kVargaKeys = {
    "D1", "D2", "D3", "D4", "D7", "D9", "D10", "D12", "D16", "D20", "D24", "D27", "D30", "D40", "D45", "D60"};

}  // namespace

std::optional<std::string> VargaDivisionProblem(int division) {
    if (upagraha::VargaIndex(division)) return std::nullopt;
    std::string text = "--varga " + std::to_string(division) + ": the vargas are";
    for (const int d : upagraha::kVargaDivisions) text += " " + std::to_string(d);
    return text;
}

std::string VargasJson(const reading::VargaTable& table, const VargaRequest& request,
                       std::optional<upagraha::Language> local) {
    upagraha::ConventionProfile profile = upagraha::kOriginalProfile;
    profile.vargas = table.rules;
    const auto rules = upagraha::VargaAxisSettings(profile);
    std::string json;
    files::JsonWriter w(json);
    w.BeginObject();
    w.Key("rules");
    w.BeginObject();
    w.Field("hora", rules[0].value);
    w.Field("drekkana", rules[1].value);
    w.Field("trimsamsa", rules[2].value);
    w.EndObject();
    w.Key("points");
    w.BeginArray();
    for (const reading::VargaRow& row : table.rows) {
        w.BeginObject();
        w.Field("name", row.name);
        if (local) w.Field("name_local", reading::VargaPointName(row, *local));
        w.Field("longitude", row.longitudeDegrees);
        w.Field("vargottama", row.vargottama);
        for (std::size_t v = 0; v < upagraha::kVargaCount; ++v) {
            if (!request.all && request.division != upagraha::kVargaDivisions[v]) continue;
            const upagraha::VargaPlace& place = row.places[v];
            w.Key(kVargaKeys[v]);
            w.BeginObject();
            w.Field("sign", upagraha::kSignNames[static_cast<std::size_t>(place.sign)]);
            if (local) w.Field("sign_local", upagraha::SignName(place.sign, *local));
            w.Field("degrees", place.degrees);
            w.EndObject();
        }
        w.EndObject();
    }
    w.EndArray();
    w.EndObject();
    w.Finish();
    return json;
}

void AddVargasToObject(std::string& object, const reading::VargaTable& table, const VargaRequest& request,
                       std::optional<upagraha::Language> local) {
    if (object.empty() || object.back() != '}') return;
    object.pop_back();
    object += ",\"vargas\":";
    object += VargasJson(table, request, local);
    object += '}';
}

void AddVargasToObject(files::TextBuffer& object, const reading::VargaTable& table, const VargaRequest& request) {
    const std::string_view text = object.View();
    if (text.empty() || text.back() != '}') return;
    object.Truncate(text.size() - 1);
    object.Append(",\"vargas\":");
    object.Append(VargasJson(table, request));
    object.Append('}');
}

}  // namespace vela::cli
