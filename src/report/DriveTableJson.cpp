#include "report/DriveTableJson.h"

namespace brelvon {

namespace {

using json = nlohmann::ordered_json;

json OrNull(const std::optional<std::int64_t>& value) { return value ? json(*value) : json(nullptr); }

json TextOrNull(const std::string& text) { return text.empty() ? json(nullptr) : json(text); }

// Why a drive is not ready, in a drive file's words: "no-medium", "no-answer"
// or the system's own; null for a ready drive and where nobody said.
json ReasonJson(const std::optional<NotReadyReason>& reason)
{
    if (!reason) return nullptr;
    switch (reason->What) {
    case NotReadyReason::Kind::NoMedium: return "no-medium";
    case NotReadyReason::Kind::NoAnswer: return "no-answer";
    case NotReadyReason::Kind::SystemError: break;
    }
    return TextOrNull(reason->Text);
}

const char* KindName(int rowKind)
{
    if (rowKind == row_kind::Total) return "total";
    return rowKind > row_kind::SubtotalBase ? "subtotal" : "drive";
}

json RowJson(const DriveTableRow& row)
{
    if (row.IsSummary()) {
        // The survey keeps category names on drive rows only; a subtotal is
        // labelled with the name of the category it closes.
        const json category = row.RowKind == row_kind::Total ? json(nullptr) : json(row.RowLabel);
        return {{"kind", KindName(row.RowKind)},  {"letter", nullptr},
                {"label", row.RowLabel},          {"totalMb", OrNull(row.TotalMb)},
                {"freeMb", OrNull(row.FreeMb)},   {"usedMb", OrNull(row.UsedMb)},
                {"percentUsed", row.PercentUsed}, {"category", category}};
    }
    // The survey gives details to exactly the drives that were ready.
    const DriveDetails details = row.Details.value_or(DriveDetails{});
    return {{"kind", KindName(row.RowKind)},
            {"letter", row.Letter},
            {"label", row.RowLabel},
            {"ready", row.Ready},
            {"totalMb", OrNull(row.TotalMb)},
            {"freeMb", OrNull(row.FreeMb)},
            {"usedMb", OrNull(row.UsedMb)},
            {"percentUsed", row.PercentUsed},
            {"category", row.CategoryName},
            {"mountPoint", TextOrNull(details.MountPoint)},
            {"device", TextOrNull(details.Device)},
            {"fileSystem", TextOrNull(details.FileSystem)},
            {"availableBytes", details.AvailableBytes ? json(*details.AvailableBytes) : json(nullptr)},
            {"reason", row.Ready ? json(nullptr) : ReasonJson(row.WhyNotReady)}};
}

}  // namespace

json DriveTableJson(const DriveTable& table, const std::string& caption)
{
    json rows = json::array();
    for (int i = 1; i <= table.DriveRowCount; ++i) rows.push_back(RowJson(table.Row(i)));
    return {{"caption", caption}, {"rows", std::move(rows)}};
}

}  // namespace brelvon
