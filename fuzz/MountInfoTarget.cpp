#include "FuzzCheck.h"
#include "FuzzTargets.h"

#include "support/CapturedMountInfo.h"
#include "os/linux/MountInfoParser.h"

#include <algorithm>
#include <set>

namespace brelvon::fuzz {

void MountInfoTarget(std::string_view input)
{
    const MountInfo info = ParseMountInfo(input);

    // The whole text is its lines: each non-empty line gives one entry or one skip.
    std::size_t entries = 0;
    std::size_t skipped = 0;
    for (std::size_t start = 0; start <= input.size();) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos) end = input.size();
        const std::string_view line = input.substr(start, end - start);
        if (!line.empty() && line != "\r") {
            const auto entry = ParseMountInfoLine(line);
            if (entry) {
                Require(entries < info.Entries.size() && info.Entries[entries].MountPoint == entry->MountPoint &&
                            info.Entries[entries].Source == entry->Source,
                        "the whole text gives the entries of its lines, in order");
                Require(!entry->MountPoint.empty() && !entry->Root.empty() && !entry->FileSystem.empty(),
                        "an entry has a root, a mount point and a file-system type");
                Require(entry->MountPoint.size() <= line.size() && entry->Source.size() <= line.size(),
                        "decoding never lengthens a field");
                ++entries;
            } else {
                ++skipped;
            }
        }
        start = end + 1;
    }
    Require(entries == info.Entries.size() && skipped == info.SkippedLines, "every line is an entry or a skip");

    const auto drives = ClassifyCapturedMountInfo(input);
    std::set<char> letters;
    char previous = 0;
    for (const auto& drive : drives) {
        Require(drive.Letter >= 'C' && drive.Letter <= 'Z', "drives are lettered C to Z");
        Require(drive.Letter > previous, "drives come in ascending letter order, each letter once");
        previous = drive.Letter;
    }
    // The JSON the probe prints of them can always be written.
    (void)ClassifiedDrivesToJson(drives).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace brelvon::fuzz
