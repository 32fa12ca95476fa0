#include "refresh/RowDetails.h"

#include "refresh/RowTexts.h"
#include "survey/DriveSurvey.h"

#include <vector>

namespace brelvon {

namespace {

struct DetailWords {
    const char* Colon;  // between a name and its value
    const char* MountPoint;
    const char* Device;
    const char* FileSystem;
    const char* Available;
    const char* Megabytes;
    const char* Gigabytes;
    const char* NotReady;
    const char* NoMedium;
    const char* NoAnswer;
    const char* AddsUp;
    const char* And;
    const char* NoDrive;
    const char* NoFolderOpener;
};

constexpr DetailWords English{": ",       "Mount point", "Device",          "File system", "Available to you",
                              "MB",       "GB",          "Not ready",       "no medium",   "no answer within 1.5 s",
                              "Adds up ", " and ",       "Adds up no drive", "No program on this machine opens folders"};
// French puts a no-break space before a colon.
constexpr DetailWords French{"\u00A0: ",
                             "Point de montage",
                             "Périphérique",
                             "Système de fichiers",
                             "Disponible pour vous",
                             "Mo",
                             "Go",
                             "Non prêt",
                             "aucun support",
                             "pas de réponse en 1,5 s",
                             "Somme de ",
                             " et ",
                             "Aucun lecteur à additionner",
                             "Aucun programme de cette machine n'ouvre les dossiers"};

// "C", "C and D", "C, D and E".
std::string ListOfLetters(const std::vector<std::string>& letters, const DetailWords& words)
{
    std::string list;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (i > 0) list += i + 1 == letters.size() ? words.And : ", ";
        list += letters[i];
    }
    return list;
}

std::string ReasonText(const NotReadyReason& reason, const DetailWords& words)
{
    switch (reason.What) {
    case NotReadyReason::Kind::NoMedium: return words.NoMedium;
    case NotReadyReason::Kind::NoAnswer: return words.NoAnswer;
    case NotReadyReason::Kind::SystemError: break;
    }
    return reason.Text;
}

}  // namespace

std::string RowToolTip(const DriveTable& table, int i, const MainWindow& window, const NumberLocale& locale)
{
    if (i < 1 || i > table.DriveRowCount) return {};
    const DetailWords& words = window.EnglishSelected() ? English : French;
    const DriveTableRow& row = table.Row(i);
    auto line = [&words](const char* name, const std::string& value) {
        return value.empty() ? std::string() : "\n" + std::string(name) + words.Colon + value;
    };

    if (row.IsSummary()) {
        std::vector<std::string> letters;
        for (int r = 1; r <= table.DriveRowCount; ++r) {
            const int kind = table.Row(r).RowKind;
            const bool counted = row.RowKind == row_kind::Total || kind + row_kind::SubtotalBase == row.RowKind;
            if (kind < row_kind::SubtotalBase && counted) letters.push_back(table.Row(r).Letter);
        }
        return row.RowLabel + "\n" + (letters.empty() ? words.NoDrive : words.AddsUp + ListOfLetters(letters, words));
    }

    std::string tip = row.Letter + ":" + (row.RowLabel.empty() ? "" : " " + row.RowLabel);
    if (!row.Ready) {
        if (row.WhyNotReady) tip += line(words.NotReady, ReasonText(*row.WhyNotReady, words));
        return tip;
    }
    if (row.Details) {
        const DriveDetails& details = *row.Details;
        tip += line(words.MountPoint, details.MountPoint);
        tip += line(words.Device, details.Device);
        tip += line(words.FileSystem, details.FileSystem);
        if (details.AvailableBytes) {
            const bool megabytes = window.MegabytesSelected();
            tip += line(words.Available, SizeInUnit(BytesToMegabytes(*details.AvailableBytes), megabytes, locale) +
                                             " " + (megabytes ? words.Megabytes : words.Gigabytes));
        }
    }
    return tip;
}

std::optional<std::string> FolderOfRow(const DriveTable& table, int i)
{
    if (i < 1 || i > table.DriveRowCount) return std::nullopt;
    const DriveTableRow& row = table.Row(i);
    if (row.IsSummary() || !row.Ready || !row.Details || row.Details->MountPoint.empty()) return std::nullopt;
    return row.Details->MountPoint;
}

std::string NoFolderOpenerLine(const MainWindow& window)
{
    return (window.EnglishSelected() ? English : French).NoFolderOpener;
}

}  // namespace brelvon
