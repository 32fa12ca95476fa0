// The window follows the machine: in a mount namespace of its own, the test
// mounts a RAM disk and takes it away again, and the real window (offscreen,
// with this machine's Linux drive service) follows within a second, without
// a click. Needs the right to make a mount namespace (root); skipped
// otherwise.
#include "model/MemoryClipboard.h"
#include "os/linux/MountTableWatch.h"
#include "refresh/MainForm.h"
#include "startup/Startup.h"
#include "ui/qt/MachineWatch.h"
#include "ui/qt/MainFormBinding.h"

#include <QApplication>
#include <QTest>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include <sched.h>
#include <sys/mount.h>

namespace {

constexpr int RowPitch = 330;  // a row added inside the category of fixed drives and RAM disks

class FollowMountsTest final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void AMountedRamDiskAddsARowAndTheUnmountTakesItAway();
    void NothingIsAskedWhileHiddenAndAllIsMadeUpWhenShown();

private:
    void Mount();
    void Unmount();
    [[nodiscard]] int Rows() const { return form_->LastTable().DriveRowCount; }
    [[nodiscard]] int Height() const { return form_->Window().Window.Height; }

    brelvon::MemoryClipboard clipboard_;
    std::unique_ptr<brelvon::MainForm> form_;
    std::unique_ptr<brelvon::MainFormBinding> binding_;
    std::unique_ptr<brelvon::MountTableWatch> mountTable_;
    std::unique_ptr<brelvon::MachineWatch> watch_;
    std::filesystem::path mountPoint_;
    bool mounted_ = false;
};

void FollowMountsTest::init()
{
    brelvon::Services services = brelvon::StartupServices(brelvon::CommandLine{}, brelvon::ThisMachine());
    services.SystemClipboard = &clipboard_;
    services.OnUnhandledError = [](const std::exception& error) { QFAIL(error.what()); };
    form_ = std::make_unique<brelvon::MainForm>(std::move(services));
    form_->Initialize();
    binding_ = std::make_unique<brelvon::MainFormBinding>(*form_, QIcon());
    binding_->Show();
    mountTable_ = std::make_unique<brelvon::MountTableWatch>();
    QVERIFY(mountTable_->Descriptor() >= 0);
    watch_ = std::make_unique<brelvon::MachineWatch>(
        binding_->Main().Window(), [this] { binding_->MachineChanged(); }, mountTable_->Descriptor(),
        [this] { mountTable_->Acknowledge(); });
    char pattern[] = "/tmp/brelvon-follow-XXXXXX";
    QVERIFY(::mkdtemp(pattern) != nullptr);
    mountPoint_ = pattern;
}

void FollowMountsTest::cleanup()
{
    Unmount();
    watch_.reset();
    binding_.reset();
    form_.reset();
    std::filesystem::remove(mountPoint_);
}

void FollowMountsTest::Mount()
{
    QVERIFY2(::mount("brelvon-test", mountPoint_.c_str(), "tmpfs", 0, "size=8m") == 0, std::strerror(errno));
    mounted_ = true;
}

void FollowMountsTest::Unmount()
{
    if (mounted_ && ::umount(mountPoint_.c_str()) == 0) mounted_ = false;
}

void FollowMountsTest::AMountedRamDiskAddsARowAndTheUnmountTakesItAway()
{
    const int rows = Rows();
    const int height = Height();
    const int pixels = binding_->Main().Window()->height();

    Mount();
    QTRY_COMPARE_WITH_TIMEOUT(Rows(), rows + 1, 1000);
    QCOMPARE(Height(), height + RowPitch);
    QVERIFY(binding_->Main().Window()->height() > pixels);
    QVERIFY(clipboard_.Text() == std::nullopt);

    Unmount();
    QTRY_COMPARE_WITH_TIMEOUT(Rows(), rows, 1000);
    QCOMPARE(Height(), height);
    QCOMPARE(binding_->Main().Window()->height(), pixels);
}

void FollowMountsTest::NothingIsAskedWhileHiddenAndAllIsMadeUpWhenShown()
{
    const int rows = Rows();
    binding_->Main().Window()->hide();
    Mount();
    // Longer than a burst of mount changes takes to settle.
    QTest::qWait(3 * static_cast<int>(brelvon::MachineWatch::SettleTime.count()));
    QCOMPARE(Rows(), rows);

    binding_->Main().Window()->show();
    QTRY_COMPARE_WITH_TIMEOUT(Rows(), rows + 1, 1000);
}

}  // namespace

int main(int argc, char** argv)
{
    // A mount namespace of our own, before any thread starts: what the test
    // mounts is seen by no other process and goes when the test ends.
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        std::cout << "SKIP: cannot make a mount namespace of our own (" << std::strerror(errno)
                  << "); the test needs root or CAP_SYS_ADMIN\n";
        return 77;
    }
    QApplication application(argc, argv);
    FollowMountsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FollowMountsTest.moc"
