#include "support/CapturedMountInfo.h"

#include "os/linux/DriveClassifier.h"
#include "os/linux/MountInfoParser.h"

#include <string>

namespace brelvon {

std::vector<ClassifiedDrive> ClassifyCapturedMountInfo(std::string_view mountInfoText)
{
    MachineFacts facts;
    facts.Mounts = ParseMountInfo(mountInfoText);
    return ClassifyDrives(facts);
}

nlohmann::json ClassifiedDrivesToJson(const std::vector<ClassifiedDrive>& drives)
{
    nlohmann::json rows = nlohmann::json::array();
    for (const ClassifiedDrive& drive : drives) {
        rows.push_back(
            nlohmann::json::array({std::string(1, drive.Letter), drive.MountPoint, static_cast<int>(drive.Type)}));
    }
    return rows;
}

}  // namespace brelvon
