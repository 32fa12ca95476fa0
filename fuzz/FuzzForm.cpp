#include "FuzzForm.h"

#include "FuzzCheck.h"
#include "ReportShape.h"
#include "drives/RecordedDriveService.h"
#include "refresh/Thresholds.h"

#include <cstdio>

namespace brelvon::fuzz {

namespace {

Services MakeServices(FuzzForm::Setup& setup, MemoryClipboard& clipboard)
{
    Services services;
    services.Drives = RecordedDriveService::Factory(std::move(setup.Drives));
    services.SystemClipboard = &clipboard;
    services.Locale = std::move(setup.Locale);
    services.SystemLangId = setup.SystemLangId;
    services.Application.ArgumentText = std::move(setup.ArgumentText);
    services.Application.ExeName = std::move(setup.ExeName);
    services.OnUnhandledError = [](const std::exception& error) {
        std::fprintf(stderr, "unhandled error: %s\n", error.what());
        Broken("no error reaches the window over recorded drives");
    };
    return services;
}

void CheckTable(const DriveTable& table)
{
    Require(table.DriveRowCount >= 1 && static_cast<std::size_t>(table.DriveRowCount) < table.Rows.size(),
            "the table has its total row and no more rows than it holds");
    Require(table.Row(table.DriveRowCount).RowKind == row_kind::Total, "the last row is the total");
    std::int64_t total = 0;
    std::int64_t free = 0;
    std::int64_t categoryTotal = 0;
    for (int i = 1; i <= table.DriveRowCount; ++i) {
        const DriveTableRow& row = table.Row(i);
        Require(row.PercentUsed >= 0 && row.PercentUsed <= 100, "a percentage lies within 0..100");
        if (row.RowKind == row_kind::Total) {
            Require(i == table.DriveRowCount, "only the last row is the total");
            Require(!row.TotalMb || *row.TotalMb == total, "the total row adds up the drive rows");
            Require(!row.FreeMb || *row.FreeMb == free, "the total row adds up the free space");
        } else if (row.IsSummary()) {
            Require(row.TotalMb && *row.TotalMb == categoryTotal, "a subtotal adds up its category");
            categoryTotal = 0;
        } else if (row.TotalMb) {
            Require(row.FreeMb && row.UsedMb && *row.FreeMb >= 0 && *row.FreeMb <= *row.TotalMb &&
                        *row.UsedMb == *row.TotalMb - *row.FreeMb,
                    "a drive row's used space is its total less its free space");
            total += *row.TotalMb;
            free += *row.FreeMb;
            categoryTotal += *row.TotalMb;
        }
    }
}

}  // namespace

FuzzForm::FuzzForm(Setup setup) : form_(MakeServices(setup, clipboard_)) {}

void FuzzForm::CheckInvariants()
{
    const FormState& state = form_.State();
    Require(0 <= state.BlueLimit && state.BlueLimit <= state.RedLimit && state.RedLimit <= 100,
            "0 <= blue limit <= red limit <= 100");
    MainWindow& window = form_.Window();
    const auto blue = LimitValue(window.TextBlue.Text, form_.Locale());
    const auto red = LimitValue(window.TextRed.Text, form_.Locale());
    Require(blue && *blue == state.BlueLimit, "the blue box reads as the blue limit");
    Require(red && *red == state.RedLimit, "the red box reads as the red limit");
    const Control& bar = window.Lab2(1);
    for (const Control* marker : {&window.Lin1(1), &window.Lin2(1)}) {
        Require(marker->X1 == marker->X2 && bar.Left <= marker->X1 && marker->X1 <= bar.Left + bar.Width,
                "a limit marker is upright and stands on the bar");
    }
    CheckTable(form_.LastTable());
}

void FuzzForm::CheckReport()
{
    Require(Clipboard().has_value(), "a report was copied");
    if (const auto problem = ReportShapeProblem(*Clipboard(), form_.LastTable())) {
        std::fprintf(stderr, "%s\n", problem->c_str());
        Broken("the report keeps its structure");
    }
}

}  // namespace brelvon::fuzz
