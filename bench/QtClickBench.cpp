// One click on the hidden ButFocus button of the real Qt window showing 29
// rows (24 drives of every category, four subtotals and the total): the
// refresh of the window model, the mirror into the widgets and the repaint.
// Prints the median and the 90th percentile over many clicks, three ways:
//   - "repaint what changed": the paints Qt schedules after the click;
//   - "repaint everything":   the whole window painted again as well;
//   - "limit step":           for comparison, the blue limit stepped up and
//     down in turn, which moves the blue marker of every row.
// Runs offscreen unless QT_QPA_PLATFORM says otherwise.
//
//   brelvon_bench_qt_click [CLICKS]     (default 2000)
#include "drives/RecordedDriveService.h"
#include "os/SystemDriveFile.h"
#include "model/MemoryClipboard.h"
#include "refresh/MainForm.h"
#include "ui/qt/MainFormBinding.h"
#include "ui/qt/WindowStyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Spread {
    double MedianMs = 0;
    double P90Ms = 0;
};

Spread Measure(int clicks, const std::function<void()>& click)
{
    std::vector<qint64> nanoseconds;
    nanoseconds.reserve(static_cast<std::size_t>(clicks));
    QElapsedTimer timer;
    for (int i = 0; i < clicks; ++i) {
        timer.start();
        click();
        nanoseconds.push_back(timer.nsecsElapsed());
    }
    std::sort(nanoseconds.begin(), nanoseconds.end());
    const auto at = [&](double share) {
        return static_cast<double>(nanoseconds[static_cast<std::size_t>(share * (nanoseconds.size() - 1))]) / 1e6;
    };
    return {at(0.5), at(0.9)};
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const int clicks = argc > 1 ? std::max(1, std::stoi(argv[1])) : 2000;
    QApplication application(argc, argv);
    QApplication::setStyle(new brelvon::WindowStyle);  // as the program draws

    brelvon::MemoryClipboard clipboard;
    brelvon::Services services;
    services.Drives = brelvon::RecordedDriveService::Factory(
        brelvon::LoadDriveFile(std::string(BRELVON_BENCH_DATA) + "/twenty-four-drives.json"));
    services.SystemClipboard = &clipboard;
    services.Application.ArgumentText = "-Rd1 -Cd1 -Nd1";
    services.OnUnhandledError = [](const std::exception& error) {
        std::fprintf(stderr, "unhandled error: %s\n", error.what());
        std::exit(1);
    };
    brelvon::MainForm form(std::move(services));
    form.Initialize();
    brelvon::MainFormBinding binding(form, QIcon());
    binding.Show();
    QApplication::processEvents();
    if (form.LastTable().DriveRowCount != 29) {
        std::fprintf(stderr, "expected 29 rows, the window shows %d\n", form.LastTable().DriveRowCount);
        return 1;
    }
    auto* focusButton = qobject_cast<QAbstractButton*>(binding.Main().WidgetOf("ButFocus"));
    QWidget* window = binding.Main().Window();

    // Warm up: fonts, glyph caches, the backing store.
    for (int i = 0; i < 50; ++i) {
        focusButton->click();
        window->repaint();
    }
    const Spread changed = Measure(clicks, [&] {
        focusButton->click();
        QApplication::processEvents();
    });
    const Spread everything = Measure(clicks, [&] {
        focusButton->click();
        window->repaint();
    });
    auto* blueUp = qobject_cast<QAbstractButton*>(binding.Main().WidgetOf("ButBlueMax"));
    auto* blueDown = qobject_cast<QAbstractButton*>(binding.Main().WidgetOf("ButBlueMin"));
    int step = 0;
    const Spread limitStep = Measure(clicks, [&] {
        (step++ % 2 == 0 ? blueUp : blueDown)->click();
        QApplication::processEvents();
    });
    std::printf("click on ButFocus, 29 rows, %d clicks, platform %s\n", clicks,
                qPrintable(QGuiApplication::platformName()));
    std::printf("  repaint what changed: median %.3f ms, p90 %.3f ms\n", changed.MedianMs, changed.P90Ms);
    std::printf("  repaint everything:   median %.3f ms, p90 %.3f ms\n", everything.MedianMs, everything.P90Ms);
    std::printf("limit step moving 29 markers, repaint what changed: median %.3f ms, p90 %.3f ms\n", limitStep.MedianMs,
                limitStep.P90Ms);
    return 0;
}
