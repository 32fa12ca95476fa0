// What a row tells beyond its cells: the tool tip, the folder a double click
// opens, and the sentence, role and value a screen reader gets.
#include "refresh/RowDetails.h"

#include "drives/RecordedDriveService.h"
#include "refresh/MainForm.h"
#include "window/AccessibleNames.h"

#include <gtest/gtest.h>

#include <memory>

namespace brelvon {
namespace {

DriveRecord Record(char letter, std::string label, std::uint64_t total, std::uint64_t free)
{
    DriveRecord record;
    record.Letter = letter;
    record.Label = std::move(label);
    record.TotalBytes = total;
    record.FreeBytes = free;
    return record;
}

DriveRecord EmptyCdRom(char letter, std::optional<NotReadyReason> reason)
{
    DriveRecord record;
    record.Letter = letter;
    record.Type = DriveType::CdRom;
    record.Ready = false;
    record.Reason = std::move(reason);
    return record;
}

// Rows with -Cd1: 1 C, 2 D, 3 Fixed, 4 E, 5 F, 6 G, 7 CD-Rom, 8 Drives.
std::unique_ptr<MainForm> StartForm(const std::string& switches)
{
    DriveRecord system = Record('C', "SYSTEM", 256'060'514'304, 98'120'347'648);
    system.Details = {"/", "/dev/nvme0n1p2", "ext4", 87'404'544'000};
    std::vector<DriveRecord> records{
        system,
        Record('D', "", 2'000'000'000, 1'000'000'000),
        EmptyCdRom('E', NotReadyReason{NotReadyReason::Kind::NoMedium, {}}),
        EmptyCdRom('F', NotReadyReason{NotReadyReason::Kind::SystemError, "Input/output error"}),
        EmptyCdRom('G', std::nullopt),
    };
    Services services;
    services.Drives = RecordedDriveService::Factory(std::move(records));
    services.Locale = NumberLocale(".", ",");
    services.Application.ArgumentText = "-Cd1 " + switches;
    auto form = std::make_unique<MainForm>(std::move(services));
    form->Initialize();
    return form;
}

struct TipCase {
    const char* Name;
    const char* Switches;
    int Row;
    const char* Tip;
};

void PrintTo(const TipCase& c, std::ostream* os) { *os << c.Name; }

class RowToolTips : public testing::TestWithParam<TipCase> {};

TEST_P(RowToolTips, SayWhatTheCellsDoNot)
{
    const auto form = StartForm(GetParam().Switches);
    EXPECT_EQ(RowToolTip(form->LastTable(), GetParam().Row, form->Window(), form->Locale()), GetParam().Tip);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(RowDetails, RowToolTips, testing::Values(
    TipCase{"ReadyDriveWithDetails", "", 1, "C: SYSTEM\nMount point: /\nDevice: /dev/nvme0n1p2\nFile system: ext4\nAvailable to you: 87,405 MB"},
    TipCase{"InGigabytesAndFrench", "-UGb -LFr", 1, "C: SYSTEM\nPoint de montage\u00A0: /\nPériphérique\u00A0: /dev/nvme0n1p2\nSystème de fichiers\u00A0: ext4\nDisponible pour vous\u00A0: 87.4 Go"},
    TipCase{"NoLabelNoDetails", "", 2, "D:"},
    TipCase{"NoMedium", "", 4, "E: (not ready)\nNot ready: no medium"},
    TipCase{"NoMediumInFrench", "-LFr", 4, "E: (non prêt)\nNon prêt\u00A0: aucun support"},
    TipCase{"SystemError", "", 5, "F: (not ready)\nNot ready: Input/output error"},
    TipCase{"ReasonUnknown", "", 6, "G: (not ready)"},
    TipCase{"Subtotal", "", 3, "Fixed\nAdds up C and D"},
    TipCase{"Total", "", 8, "Drives\nAdds up C, D, E, F and G"},
    TipCase{"NoSuchRow", "", 9, ""}),
    [](const testing::TestParamInfo<TipCase>& info) { return std::string(info.param.Name); });
// clang-format on

TEST(RowDetails, OnlyAReadyDriveWithAMountPointOpensAFolder)
{
    const auto form = StartForm("");
    const DriveTable& table = form->LastTable();
    EXPECT_EQ(FolderOfRow(table, 1), "/");
    for (const int row : {0, 2, 3, 4, 8, 9}) EXPECT_EQ(FolderOfRow(table, row), std::nullopt) << row;
}

struct SentenceCase {
    const char* Name;
    const char* Switches;
    const char* Control;
    const char* Sentence;
};

void PrintTo(const SentenceCase& c, std::ostream* os) { *os << c.Name; }

class RowSentences : public testing::TestWithParam<SentenceCase> {};

TEST_P(RowSentences, DescribeTheWholeRow)
{
    const auto form = StartForm(GetParam().Switches);
    const AccessibleNames names(form->Window());
    EXPECT_EQ(names.Description(*form->Window().Find(GetParam().Control)), GetParam().Sentence);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(RowDetails, RowSentences, testing::Values(
    SentenceCase{"DriveFromAnyCell", "", "Text5(1)", "C, SYSTEM, 256,061 megabytes, 98,120 free, 62 percent used"},
    SentenceCase{"DriveFromItsBar", "", "Lab1(1)", "C, SYSTEM, 256,061 megabytes, 98,120 free, 62 percent used"},
    SentenceCase{"FrenchGigabytes", "-LFr -UGb", "Text1(1)", "C, SYSTEM, 256.1 gigaoctets, 98.1 libres, 62 pour cent utilisés"},
    SentenceCase{"NoLabel", "", "Text2(2)", "D, 2,000 megabytes, 1,000 free, 50 percent used"},
    SentenceCase{"SubtotalWithoutItsSigma", "", "Text3(3)", "Fixed, 258,061 megabytes, 99,120 free, 62 percent used"},
    SentenceCase{"NotReadyLeavesTheDashesOut", "", "Lin1(4)", "E, (not ready)"},
    SentenceCase{"OutsideTheTable", "", "TextBlue", ""}),
    [](const testing::TestParamInfo<SentenceCase>& info) { return std::string(info.param.Name); });
// clang-format on

TEST(RowDetails, BarsAreProgressBarsWorthTheirPercentage)
{
    const auto form = StartForm("");
    MainWindow& window = form->Window();
    const AccessibleNames names(window);
    EXPECT_EQ(AccessibleNames::RoleOf(window.Lab1(1)), AccessibleRole::ProgressBar);
    EXPECT_EQ(names.ValueOf(window.Lab1(1)), 62);
    EXPECT_EQ(names.ValueOf(window.Lab1(4)), 0);  // a row of dashes
    EXPECT_EQ(names.ValueOf(window.Lab2(1)), std::nullopt);
    EXPECT_EQ(AccessibleNames::RoleOf(window.Text3(1)), AccessibleRole::Text);
    EXPECT_EQ(AccessibleNames::RoleOf(window.Label3), AccessibleRole::ColumnHeader);
    EXPECT_EQ(AccessibleNames::RoleOf(window.LabTit1), AccessibleRole::StaticText);
    EXPECT_EQ(AccessibleNames::RoleOf(window.FramEnd), AccessibleRole::Grouping);
    EXPECT_EQ(AccessibleNames::RoleOf(window.Lin2(2)), AccessibleRole::Graphic);
}

}  // namespace
}  // namespace brelvon
