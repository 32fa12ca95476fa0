#pragma once

#include "drives/DriveRecord.h"
#include "drives/DriveService.h"

#include <memory>
#include <vector>

namespace brelvon {

// A drive service that answers from records gathered in advance. The records
// are shared, never copied, by the services of successive surveys.
class RecordedDriveService final : public DriveService {
public:
    // The records must be in ascending letter order, each letter once.
    explicit RecordedDriveService(std::shared_ptr<const std::vector<DriveRecord>> records);

    [[nodiscard]] std::vector<std::unique_ptr<Drive>> Drives() override;

    // A factory whose every service answers from the same records.
    [[nodiscard]] static DriveServiceFactory Factory(std::vector<DriveRecord> records);

private:
    std::shared_ptr<const std::vector<DriveRecord>> records_;
};

}  // namespace brelvon
