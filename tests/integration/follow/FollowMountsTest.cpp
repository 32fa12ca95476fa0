// The window follows the machine: in a mount namespace of its own, the test
// mounts a RAM disk and takes it away again, and the real window (offscreen,
// with this machine's Linux drive service) follows within a second, without
// a click; a folder of a file system bound elsewhere, and a file bound over a
// file, add no row of their own. Needs the right to make a mount namespace
// (root); skipped otherwise.
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
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {

constexpr int RowPitch = 330;  // a row added inside the category of fixed drives and RAM disks
// How long a mount or unmount may take to show: it shows about 0.3 s after the
// mount table settles; a loaded machine may take far longer, and the wait ends
// as soon as it shows.
constexpr int RefreshWait = 10000;

class FollowMountsTest final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void AMountedRamDiskAddsARowAndTheUnmountTakesItAway();
    void NothingIsAskedWhileHiddenAndAllIsMadeUpWhenShown();
    void ABoundFolderShowsAtItsFileSystemAndABoundFileNowhere();

private:
    void Mount();
    void Unmount();
    // Makes a folder for the test (kept when it was there already).
    void MakeFolder(const std::string& path);
    // Mounts for the test; taken away in cleanup().
    void MountAt(const std::string& source, const std::string& target, const char* type, unsigned long flags);
    [[nodiscard]] int Rows() const { return form_->LastTable().DriveRowCount; }
    [[nodiscard]] bool ShowsRow(const std::string& label) const
    {
        const brelvon::DriveTable& table = form_->LastTable();
        for (int i = 1; i <= table.DriveRowCount; ++i) {
            if (!table.Row(i).IsSummary() && table.Row(i).RowLabel == label) return true;
        }
        return false;
    }
    [[nodiscard]] int Height() const { return form_->Window().Window.Height; }

    brelvon::MemoryClipboard clipboard_;
    std::unique_ptr<brelvon::MainForm> form_;
    std::unique_ptr<brelvon::MainFormBinding> binding_;
    std::unique_ptr<brelvon::MountTableWatch> mountTable_;
    std::unique_ptr<brelvon::MachineWatch> watch_;
    std::filesystem::path mountPoint_;
    bool mounted_ = false;
    std::vector<std::string> madeFolders_;
    std::vector<std::string> madeMounts_;
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
    for (auto mount = madeMounts_.rbegin(); mount != madeMounts_.rend(); ++mount) ::umount2(mount->c_str(), MNT_DETACH);
    madeMounts_.clear();
    for (auto folder = madeFolders_.rbegin(); folder != madeFolders_.rend(); ++folder) std::filesystem::remove(*folder);
    madeFolders_.clear();
    std::error_code ignored;
    std::filesystem::remove_all(mountPoint_, ignored);
}

void FollowMountsTest::MakeFolder(const std::string& path)
{
    if (::mkdir(path.c_str(), 0755) == 0) {
        madeFolders_.push_back(path);
    } else {
        QVERIFY2(errno == EEXIST && std::filesystem::is_directory(path), std::strerror(errno));
    }
}

void FollowMountsTest::MountAt(const std::string& source, const std::string& target, const char* type,
                               unsigned long flags)
{
    QVERIFY2(::mount(source.c_str(), target.c_str(), type, flags, type ? "size=8m" : nullptr) == 0,
             (target + ": " + std::strerror(errno)).c_str());
    madeMounts_.push_back(target);
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
    QTRY_COMPARE_WITH_TIMEOUT(Rows(), rows + 1, RefreshWait);
    QCOMPARE(Height(), height + RowPitch);
    QVERIFY(binding_->Main().Window()->height() > pixels);
    QVERIFY(clipboard_.Text() == std::nullopt);

    Unmount();
    QTRY_COMPARE_WITH_TIMEOUT(Rows(), rows, RefreshWait);
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
    QTRY_COMPARE_WITH_TIMEOUT(Rows(), rows + 1, RefreshWait);
}

void FollowMountsTest::ABoundFolderShowsAtItsFileSystemAndABoundFileNowhere()
{
    const int rows = Rows();
    const std::string data = "/mnt/long-data-name";
    MakeFolder(data);
    MakeFolder("/x");
    MountAt("brelvon-test", data, "tmpfs", 0);
    std::filesystem::create_directory(data + "/sub");
    MountAt(data + "/sub", "/x", nullptr, MS_BIND);

    // A file of a RAM disk bound over a file of another file system; the RAM
    // disk is then unmounted, so that the bound file is its only mount.
    const std::string source = (mountPoint_ / "source").string();
    const std::string target = (mountPoint_ / "hosts").string();
    std::ofstream(target) << "127.0.0.1 localhost\n";
    MakeFolder(source);
    MountAt("brelvon-file", source, "tmpfs", 0);
    std::ofstream(source + "/hosts") << "10.0.0.1 elsewhere\n";
    MountAt(source + "/hosts", target, nullptr, MS_BIND);
    QVERIFY2(::umount2(source.c_str(), MNT_DETACH) == 0, std::strerror(errno));

    QTRY_VERIFY_WITH_TIMEOUT(ShowsRow(data), RefreshWait);
    QCOMPARE(Rows(), rows + 1);
    QVERIFY(!ShowsRow("/x"));
    QVERIFY(!ShowsRow(target));
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
