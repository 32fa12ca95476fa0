#include "survey/DriveSurvey.h"

#include "drives/RecordedDriveService.h"
#include "model/PlatformError.h"

#include <gtest/gtest.h>

#include <tuple>

namespace brelvon {
namespace {

DriveRecord Ready(char letter, DriveType type, std::uint64_t total, std::uint64_t free, std::string label = {})
{
    DriveRecord record;
    record.Letter = letter;
    record.Type = type;
    record.TotalBytes = total;
    record.FreeBytes = free;
    record.Label = std::move(label);
    return record;
}

DriveRecord NotReady(char letter, DriveType type)
{
    DriveRecord record;
    record.Letter = letter;
    record.Type = type;
    record.Ready = false;
    return record;
}

SurveyOptions English(bool removable = false, bool network = false, bool cdrom = false)
{
    SurveyOptions options;
    options.ListRemovable = removable;
    options.ListNetwork = network;
    options.ListCdRom = cdrom;
    options.CdRomName = "CD-Rom";
    options.RemovableName = "Removable";
    options.NetworkName = "Network";
    options.Words = {"(not ready)", "Drives", "Fixed"};
    return options;
}

DriveTable Survey(std::vector<DriveRecord> records, const SurveyOptions& options)
{
    RecordedDriveService service(std::make_shared<const std::vector<DriveRecord>>(std::move(records)));
    return SurveyDrives(service, options);
}

// Letter, label, total, free, used, percent, kind.
using Expected = std::tuple<std::string, std::string, std::int64_t, std::int64_t, std::int64_t, int, int>;

void ExpectRows(const DriveTable& table, const std::vector<Expected>& expected)
{
    ASSERT_EQ(table.DriveRowCount, static_cast<int>(expected.size()));
    for (int i = 1; i <= table.DriveRowCount; ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        const auto& row = table.Row(i);
        const auto& [letter, label, total, free, used, percent, kind] = expected[static_cast<std::size_t>(i - 1)];
        EXPECT_EQ(row.Letter, letter);
        EXPECT_EQ(row.RowLabel, label);
        EXPECT_EQ(row.TotalMb.value_or(-1), total);
        EXPECT_EQ(row.FreeMb.value_or(-1), free);
        EXPECT_EQ(row.UsedMb.value_or(-1), used);
        EXPECT_EQ(row.PercentUsed, percent);
        EXPECT_EQ(row.RowKind, kind);
    }
}

const DriveRecord DriveC = Ready('C', DriveType::Fixed, 250'056'704'000, 100'204'544'000, "SYSTEM");
const DriveRecord DriveD = Ready('D', DriveType::Fixed, 1'000'202'039'296, 750'151'529'472, "DATA");
const DriveRecord DriveE = Ready('E', DriveType::CdRom, 3'994'091'520, 0, "DVD");

TEST(DriveSurvey, FixedAndCdRomWorkedExample)
{
    ExpectRows(Survey({DriveC, DriveD, DriveE}, English(false, false, true)),
               {{"C", "SYSTEM", 250057, 100205, 149852, 60, 1},
                {"D", "DATA", 1000202, 750152, 250050, 25, 1},
                {"S", "Fixed", 1250259, 850357, 399902, 32, 51},
                {"E", "DVD", 3994, 0, 3994, 100, 2},
                {"S", "CD-Rom", 3994, 0, 3994, 100, 52},
                {"S", "Drives", 1254253, 850357, 403896, 32, 100}});
}

TEST(DriveSurvey, OnlyFixedDrivesMakeTheirSubtotalTheTotal)
{
    ExpectRows(Survey({DriveC, DriveD, DriveE}, English()), {{"C", "SYSTEM", 250057, 100205, 149852, 60, 1},
                                                             {"D", "DATA", 1000202, 750152, 250050, 25, 1},
                                                             {"S", "Drives", 1250259, 850357, 399902, 32, 100}});
}

TEST(DriveSurvey, CategoriesComeInFixedCdRomRemovableNetworkOrder)
{
    const auto table = Survey({NotReady('A', DriveType::Removable), Ready('C', DriveType::Fixed, 10'000'000, 5'000'000),
                               Ready('F', DriveType::Removable, 8'000'000, 2'000'000), NotReady('G', DriveType::CdRom),
                               Ready('N', DriveType::Network, 4'000'000, 1'000'000),
                               Ready('R', DriveType::RamDisk, 2'000'000, 2'000'000),
                               Ready('U', DriveType::Unknown, 2'000'000, 1'000'000)},
                              English(true, true, true));
    ExpectRows(table, {{"C", "", 10, 5, 5, 50, 1},
                       {"R", "", 2, 2, 0, 0, 1},
                       {"S", "Fixed", 12, 7, 5, 42, 51},
                       {"G", "(not ready)", 0, 0, 0, 0, 2},
                       {"S", "CD-Rom", 0, 0, 0, 0, 52},
                       {"F", "", 8, 2, 6, 75, 3},
                       {"S", "Removable", 8, 2, 6, 75, 53},
                       {"N", "", 4, 1, 3, 75, 4},
                       {"S", "Network", 4, 1, 3, 75, 54},
                       {"S", "Drives", 24, 10, 14, 58, 100}});
    EXPECT_EQ(table.Row(4).CategoryName, "CD-Rom");
}

TEST(DriveSurvey, ReadinessTravelsAsAFlagWithItsReasonNotAsTheLabel)
{
    DriveRecord empty = NotReady('E', DriveType::CdRom);
    empty.Reason = NotReadyReason{NotReadyReason::Kind::NoMedium, {}};
    const auto table = Survey(
        {Ready('C', DriveType::Fixed, 2'000'000, 1'000'000, "(not ready)"), empty, NotReady('F', DriveType::CdRom)},
        English(false, false, true));
    EXPECT_TRUE(table.Row(1).Ready);
    EXPECT_EQ(table.Row(1).RowLabel, "(not ready)");
    EXPECT_EQ(table.Row(1).WhyNotReady, std::nullopt);
    EXPECT_FALSE(table.Row(3).Ready);
    EXPECT_EQ(table.Row(3).WhyNotReady, empty.Reason);
    EXPECT_FALSE(table.Row(4).Ready);
    EXPECT_EQ(table.Row(4).WhyNotReady, std::nullopt);  // the service could not tell
    for (const int summary : {2, 5, 6}) EXPECT_TRUE(table.Row(summary).Ready) << summary;
}

TEST(DriveSurvey, UntickedCategoriesAndDrivesAOrBAreNotListed)
{
    const auto table =
        Survey({Ready('A', DriveType::Fixed, 1'000'000, 0), Ready('B', DriveType::RamDisk, 1'000'000, 0),
                Ready('C', DriveType::Fixed, 3'000'000, 1'000'000), Ready('E', DriveType::CdRom, 1'000'000, 0),
                NotReady('F', DriveType::Removable), Ready('Z', DriveType::Network, 1'000'000, 0)},
               English());
    ExpectRows(table, {{"C", "", 3, 1, 2, 67, 1}, {"S", "Drives", 3, 1, 2, 67, 100}});
}

TEST(DriveSurvey, NoListedDriveLeavesOnlyAnEmptyTotalRow)
{
    const auto table = Survey({Ready('E', DriveType::CdRom, 1'000'000, 0)}, English());
    ASSERT_EQ(table.DriveRowCount, 1);
    const auto& total = table.Row(1);
    EXPECT_EQ(total.Letter, "S");
    EXPECT_EQ(total.RowLabel, "Drives");
    EXPECT_FALSE(total.TotalMb.has_value());
    EXPECT_FALSE(total.FreeMb.has_value());
    EXPECT_FALSE(total.UsedMb.has_value());
    EXPECT_EQ(total.PercentUsed, 0);
    EXPECT_EQ(total.RowKind, 100);
}

TEST(DriveSurvey, CategorySumsStayExactBeyondSinglePrecision)
{
    // Two 18 TB disks: 36,000,001 MB cannot be held by a float (it would read 36,000,000).
    const auto table = Survey({Ready('C', DriveType::Fixed, 18'000'000'500'000, 9'000'000'000'000),
                               Ready('D', DriveType::Fixed, 18'000'000'600'000, 1'000'000),
                               Ready('E', DriveType::CdRom, 3'000'000, 0)},
                              English(false, false, true));
    EXPECT_EQ(table.Row(3).TotalMb, 36'000'001);
    EXPECT_EQ(table.Row(3).FreeMb, 9'000'001);
    EXPECT_EQ(table.Row(3).UsedMb, 27'000'000);
    EXPECT_EQ(table.Row(6).TotalMb, 36'000'004);
}

struct RoundingCase {
    std::uint64_t Bytes;
    std::int64_t Megabytes;
};

void PrintTo(const RoundingCase& c, std::ostream* os) { *os << c.Bytes << " bytes"; }

class MegabyteRounding : public testing::TestWithParam<RoundingCase> {};

TEST_P(MegabyteRounding, TakesHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(BytesToMegabytes(GetParam().Bytes), GetParam().Megabytes);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DriveSurvey, MegabyteRounding,
                         testing::Values(RoundingCase{2'500'000, 2}, RoundingCase{3'500'000, 4},
                                         RoundingCase{12'500'000, 12}, RoundingCase{499'999, 0},
                                         RoundingCase{500'000, 0}, RoundingCase{500'001, 1},
                                         RoundingCase{1'500'000, 2},
                                         RoundingCase{18'446'744'073'709'551'615ULL, 18'446'744'073'710LL}));
// clang-format on

struct PercentCase {
    double Free;
    double Total;
    int Percent;
};

void PrintTo(const PercentCase& c, std::ostream* os) { *os << c.Free << " free of " << c.Total; }

class PercentUsed : public testing::TestWithParam<PercentCase> {};

TEST_P(PercentUsed, RoundsTheFreeShareHalfToEven)
{
    EXPECT_EQ(PercentUsedOf(GetParam().Free, GetParam().Total), GetParam().Percent);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DriveSurvey, PercentUsed,
                         testing::Values(PercentCase{125, 1000, 88}, PercentCase{135, 1000, 86},
                                         PercentCase{0, 1000, 100}, PercentCase{1000, 1000, 0},
                                         PercentCase{0, 0, 0}, PercentCase{2000, 1000, 0}));
// clang-format on

TEST(DriveSurvey, ReadyDriveOfZeroBytesIsZeroPercent)
{
    const auto table = Survey({Ready('C', DriveType::Fixed, 0, 0)}, English());
    EXPECT_EQ(table.Row(1).TotalMb, 0);
    EXPECT_EQ(table.Row(1).PercentUsed, 0);
}

class CountingDrive final : public Drive {
public:
    CountingDrive(char letter, bool ready, int& sizeQueries) : letter_(letter), ready_(ready), sizeQueries_(sizeQueries)
    {}
    [[nodiscard]] DriveType Type() const override { return DriveType::Fixed; }
    [[nodiscard]] char Letter() const override { return letter_; }
    [[nodiscard]] bool IsReady() override { return ready_; }
    [[nodiscard]] std::string VolumeName() override { return Count(), "x"; }
    [[nodiscard]] std::uint64_t TotalSize() override { return Count(), 1'000'000; }
    [[nodiscard]] std::uint64_t FreeSpace() override { return Count(), 0; }
    [[nodiscard]] DriveDetails Details() override { return Count(), DriveDetails{}; }

private:
    void Count() { ++sizeQueries_; }
    char letter_;
    bool ready_;
    int& sizeQueries_;
};

class ListService final : public DriveService {
public:
    explicit ListService(std::vector<std::unique_ptr<Drive>> drives) : drives_(std::move(drives)) {}
    std::vector<std::unique_ptr<Drive>> Drives() override { return std::move(drives_); }

private:
    std::vector<std::unique_ptr<Drive>> drives_;
};

TEST(DriveSurvey, NeverAsksANotReadyDriveForItsLabelOrSizes)
{
    int queries = 0;
    std::vector<std::unique_ptr<Drive>> drives;
    drives.push_back(std::make_unique<CountingDrive>('C', false, queries));
    ListService service(std::move(drives));
    const auto table = SurveyDrives(service, English());
    EXPECT_EQ(queries, 0);
    EXPECT_EQ(table.Row(1).RowLabel, "(not ready)");
}

TEST(DriveSurvey, RejectsAServiceThatListsALetterTwice)
{
    int queries = 0;
    std::vector<std::unique_ptr<Drive>> drives;
    drives.push_back(std::make_unique<CountingDrive>('D', true, queries));
    drives.push_back(std::make_unique<CountingDrive>('D', true, queries));
    ListService service(std::move(drives));
    EXPECT_THROW((void)SurveyDrives(service, English()), PlatformError);
}

}  // namespace
}  // namespace brelvon
