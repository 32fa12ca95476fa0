#include "drives/RecordedDriveService.h"

namespace brelvon {

namespace {

class RecordedDrive final : public Drive {
public:
    RecordedDrive(std::shared_ptr<const std::vector<DriveRecord>> records, std::size_t index)
        : records_(std::move(records)), record_((*records_)[index])
    {}

    [[nodiscard]] DriveType Type() const override { return record_.Type; }
    [[nodiscard]] char Letter() const override { return record_.Letter; }
    [[nodiscard]] bool IsReady() override { return record_.Ready; }
    [[nodiscard]] std::string VolumeName() override { return record_.Label; }
    [[nodiscard]] std::uint64_t TotalSize() override { return record_.TotalBytes; }
    [[nodiscard]] std::uint64_t FreeSpace() override { return record_.FreeBytes; }
    [[nodiscard]] DriveDetails Details() override { return record_.Details; }
    [[nodiscard]] std::optional<NotReadyReason> WhyNotReady() override { return record_.Reason; }

private:
    std::shared_ptr<const std::vector<DriveRecord>> records_;  // keeps record_ alive
    const DriveRecord& record_;
};

}  // namespace

RecordedDriveService::RecordedDriveService(std::shared_ptr<const std::vector<DriveRecord>> records)
    : records_(std::move(records))
{}

std::vector<std::unique_ptr<Drive>> RecordedDriveService::Drives()
{
    std::vector<std::unique_ptr<Drive>> drives;
    drives.reserve(records_->size());
    for (std::size_t i = 0; i < records_->size(); ++i) drives.push_back(std::make_unique<RecordedDrive>(records_, i));
    return drives;
}

DriveServiceFactory RecordedDriveService::Factory(std::vector<DriveRecord> records)
{
    auto shared = std::make_shared<const std::vector<DriveRecord>>(std::move(records));
    return [shared] { return std::make_unique<RecordedDriveService>(shared); };
}

}  // namespace brelvon
