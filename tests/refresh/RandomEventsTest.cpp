// Drives the window model through long random sequences of clicks and typing
// over random, changing machines, and checks after every event what must
// always hold. Seeded, so a failure names a sequence that can be replayed.
#include "refresh/MainForm.h"

#include "drives/RecordedDriveService.h"
#include "model/MemoryClipboard.h"

#include <gtest/gtest.h>

#include <random>

namespace brelvon {
namespace {

constexpr int StartHeight = MainWindow::ClientHeight + Form::FrameExtraHeight;

std::vector<DriveRecord> RandomMachine(std::mt19937& random)
{
    std::vector<DriveRecord> records;
    std::bernoulli_distribution present(0.35);
    std::uniform_int_distribution<int> type(0, 5);
    std::uniform_int_distribution<int> sizeKind(0, 4);
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (!present(random)) continue;
        DriveRecord record;
        record.Letter = letter;
        record.Type = static_cast<DriveType>(type(random));
        record.Ready = sizeKind(random) != 0;
        const std::uint64_t sizes[] = {0, 400'000, 2'500'000, 250'056'704'000, 36'000'000'000'000'000ULL};
        record.TotalBytes = sizes[sizeKind(random)];
        record.FreeBytes =
            record.TotalBytes == 0 ? 0 : std::uniform_int_distribution<std::uint64_t>(0, record.TotalBytes)(random);
        record.Label = present(random) ? "VOL" + std::string(1, letter) : "";
        records.push_back(record);
    }
    return records;
}

std::string RandomText(std::mt19937& random)
{
    static const char* const texts[] = {"",   "0",   "5",    "15",  "50",  "85",  "95",  "100", "150",
                                        "-5", "-99", "12.5", "abc", "1e2", "1E9", " 7",  "9 ",  ".",
                                        "-",  "+3",  "é",    "99",  "1,5", "0.5", "14.5"};
    return texts[std::uniform_int_distribution<std::size_t>(0, std::size(texts) - 1)(random)];
}

// The sum of the row pitches that a layout of this table adds to the window.
int LayoutGrowth(const DriveTable& table)
{
    int growth = 0;
    for (int i = 2; i <= table.DriveRowCount; ++i) {
        const int above = table.Row(i - 1).RowKind;
        int gap = above != table.Row(i).RowKind ? 150 : 0;
        if (above > 50 || i == table.DriveRowCount) gap = 300;
        growth += 330 + gap;
    }
    return growth;
}

class RandomEvents : public testing::TestWithParam<unsigned> {};

TEST_P(RandomEvents, KeepEveryInvariantAfterEveryEvent)
{
    std::mt19937 random(GetParam());
    auto machine = std::make_shared<std::vector<DriveRecord>>(RandomMachine(random));
    MemoryClipboard clipboard;
    Services services;
    services.SystemClipboard = &clipboard;
    services.SystemLangId = std::bernoulli_distribution(0.5)(random) ? 0x040C : 0x0409;
    services.Drives = [machine] {
        return std::make_unique<RecordedDriveService>(std::make_shared<const std::vector<DriveRecord>>(*machine));
    };
    std::string error;
    services.OnUnhandledError = [&error](const std::exception& e) { error = e.what(); };
    static const char* const switches[] = {"",      "-Rd1",        "-Cd1 -Nd1", "-UGb -LFr",
                                           "-Mn90", "-Mx10 -Mn50", "-Mn -Mx",   "-Rd1 -Cd1 -Nd1 -UGb"};
    services.Application.ArgumentText =
        switches[std::uniform_int_distribution<std::size_t>(0, std::size(switches) - 1)(random)];

    MainForm form(std::move(services));
    std::vector<RefreshPhase> phases;
    form.ObservePhases([&phases](RefreshPhase phase) { phases.push_back(phase); });
    form.Initialize();
    MainWindow& w = form.Window();

    std::vector<Control*> clickable;
    for (Control* control : {&w.CheckNet, &w.CheckRemov, &w.CheckCD, &w.OptMb, &w.OptGb, &w.ButCopy, &w.ButBlueMin,
                             &w.ButBlueMax, &w.ButRedMin, &w.ButRedMax, &w.ButFocus, &w.ButAbout, &w.LabTit1,
                             &w.LabTit2, &w.OptLang(1), &w.OptLang(2), &w.Label4, &w.Frame2}) {
        clickable.push_back(control);
    }
    int expectedHeight = StartHeight + LayoutGrowth(form.LastTable());

    for (int step = 0; step < 1000; ++step) {
        const int choice = std::uniform_int_distribution<int>(0, 21)(random);
        std::string event;
        phases.clear();
        const std::string focusBefore = w.Focus() != nullptr ? w.Focus()->FullName() : "";
        const std::string blueText = w.TextBlue.Text;
        const std::string redText = w.TextRed.Text;
        const FormState stateBefore = form.State();
        if (choice < 12) {
            Control& control = *clickable[std::uniform_int_distribution<std::size_t>(0, clickable.size() - 1)(random)];
            event = "click " + control.FullName();
            form.Click(control);
        } else if (choice < 17) {
            Control& box = std::bernoulli_distribution(0.5)(random) ? w.TextBlue : w.TextRed;
            const std::string text = RandomText(random);
            event = "type " + box.FullName() + "=" + text;
            form.Type(box, text);
        } else if (choice < 18) {
            const int rows = w.TextRed.TagNumber();
            Control& cell = w.Text2(std::uniform_int_distribution<int>(1, rows)(random));
            event = "type " + cell.FullName();
            form.Type(cell, "typed");
        } else if (choice < 19) {
            event = "close About";
            form.CloseAbout();
        } else if (choice < 20) {
            event = "machine changes";
            *machine = RandomMachine(random);
        } else {
            // A refresh the machine causes, after a change or without one.
            event = "machine-caused refresh";
            if (std::bernoulli_distribution(0.5)(random)) *machine = RandomMachine(random);
            form.MachineChanged();
        }
        const bool byMachine = choice >= 20;
        SCOPED_TRACE("seed " + std::to_string(GetParam()) + ", step " + std::to_string(step) + ": " + event);
        ASSERT_EQ(error, "");
        ASSERT_FALSE(form.Ended());

        const FormState& state = form.State();
        ASSERT_LE(0, state.BlueLimit);
        ASSERT_LE(state.BlueLimit, state.RedLimit);
        ASSERT_LE(state.RedLimit, 100);

        const DriveTable& table = form.LastTable();
        const int rows = table.DriveRowCount;
        ASSERT_GE(rows, 1);
        ASSERT_LE(rows, 29);
        ASSERT_EQ(w.TextRed.Tag, std::to_string(rows));
        for (ControlArray* array :
             {&w.Text1, &w.Text2, &w.Text3, &w.Text4, &w.Text5, &w.Text6, &w.Lab1, &w.Lab2, &w.Lin1, &w.Lin2}) {
            int elements = 0;
            array->ForEach([&elements](const Control&) { ++elements; });
            ASSERT_EQ(elements, rows) << array->Name();
            ASSERT_EQ(array->UpperBound(), rows) << array->Name();
        }

        const bool refreshed = !phases.empty();
        const bool laidOut = std::find(phases.begin(), phases.end(), RefreshPhase::BottomControls) != phases.end();
        if (laidOut) {
            expectedHeight = StartHeight + LayoutGrowth(table);
            ASSERT_GE(w.FramEnd.Top, w.Text1(rows).Top + w.Text1(rows).Height);
            ASSERT_GE(w.ButExit.Top, w.Text1(rows).Top + w.Text1(rows).Height);
        }
        ASSERT_EQ(w.Window.Height, expectedHeight);
        for (Control* bottom : {&w.FramEnd, &w.ButExit, &w.ButAbout, &w.OptLang(1), &w.OptLang(2)}) {
            ASSERT_TRUE(bottom->Visible) << bottom->FullName();
        }
        if (refreshed && !byMachine) {
            ASSERT_EQ(w.Focus(), &w.ButFocus);
        }
        if (byMachine) {
            // Nothing the user set moves: the focus (to ButFocus only when its
            // row went), the limit boxes' texts, the limits and the flags.
            if (!focusBefore.empty()) {
                ASSERT_NE(w.Focus(), nullptr);
                const bool rowGone = w.Find(focusBefore) == nullptr;
                ASSERT_EQ(w.Focus()->FullName(), rowGone ? "ButFocus" : focusBefore);
            }
            ASSERT_EQ(w.TextBlue.Text, blueText);
            ASSERT_EQ(w.TextRed.Text, redText);
            ASSERT_EQ(state.BlueLimit, stateBefore.BlueLimit);
            ASSERT_EQ(state.RedLimit, stateBefore.RedLimit);
            ASSERT_EQ(state.LayoutPending, stateBefore.LayoutPending);
        }
        ASSERT_EQ(form.About() != nullptr && form.About()->Window.Visible, form.About() != nullptr);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(MainForm, RandomEvents, testing::Range(1U, 21U));
// clang-format on

}  // namespace
}  // namespace brelvon
