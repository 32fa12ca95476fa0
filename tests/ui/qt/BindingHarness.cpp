#include "BindingHarness.h"

#include "drives/DriveFile.h"
#include "drives/RecordedDriveService.h"
#include "ui/qt/WindowStyle.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTest>

#include <cmath>
#include <stdexcept>

namespace brelvon::test {

BindingHarness::BindingHarness(const std::string& switches, const std::string& drivesFile, NumberLocale locale)
{
    *drives_ = DrivesOf(drivesFile);
    Start(switches, std::move(locale));
}

BindingHarness::BindingHarness(const std::string& switches, std::vector<DriveRecord> drives)
{
    *drives_ = std::move(drives);
    Start(switches, NumberLocale(".", ","));
}

std::vector<DriveRecord> BindingHarness::DrivesOf(const std::string& drivesFile)
{
    const std::string path = std::string(BRELVON_SAMPLE_DATA) + "/" + drivesFile;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error(path + ": cannot be read");
    const QByteArray bytes = file.readAll();
    return ParseDriveFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), path);
}

void BindingHarness::MachineChanged(std::vector<DriveRecord> drives)
{
    *drives_ = std::move(drives);
    binding_->MachineChanged();
    Settle();
}

void BindingHarness::Start(const std::string& switches, NumberLocale locale)
{
    // Drawn as the program draws.
    if (qobject_cast<WindowStyle*>(QApplication::style()) == nullptr) QApplication::setStyle(new WindowStyle);
    Services services;
    // Each survey asks the drives the machine has at that moment.
    services.Drives = [drives = drives_] {
        return std::make_unique<RecordedDriveService>(std::make_shared<const std::vector<DriveRecord>>(*drives));
    };
    services.SystemClipboard = &clipboard_;
    services.Locale = std::move(locale);
    services.SystemLangId = 0x0409;
    services.Application.ExeName = "brelvon";
    services.Application.ArgumentText = switches;
    services.OnUnhandledError = [this](const std::exception& error) { errors_.emplace_back(error.what()); };
    services.EndProgram = [this] { endedProgram_ = true; };
    form_ = std::make_unique<MainForm>(std::move(services));
    form_->ObservePhases([this](RefreshPhase phase) {
        if (phase == RefreshPhase::Caption) ++refreshes_;
    });
    form_->Initialize();
    binding_ = std::make_unique<MainFormBinding>(*form_, QIcon(QStringLiteral(":/icons/brelvon-32.png")));
    binding_->Show();
    QWidget& window = Window();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) throw std::runtime_error("the main window did not become active");
}

BindingHarness::~BindingHarness()
{
    binding_.reset();
    Settle();
}

QWidget* BindingHarness::Widget(const std::string& fullName) { return binding_->Main().WidgetOf(fullName); }

brelvon::Control& BindingHarness::ModelControl(const std::string& fullName)
{
    brelvon::Control* control = Model().Find(fullName);
    if (control == nullptr) throw std::runtime_error("no control " + fullName);
    return *control;
}

void BindingHarness::ClickOn(const std::string& fullName)
{
    QWidget* widget = Widget(fullName);
    if (widget == nullptr) throw std::runtime_error("no widget " + fullName);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void BindingHarness::Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

int BindingHarness::Pixels(int twips) const
{
    const int dpi = binding_->Main().Window()->logicalDpiX();
    return static_cast<int>(std::lround(twips * static_cast<double>(dpi) / 1440.0));
}

}  // namespace brelvon::test
