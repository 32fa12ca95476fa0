#pragma once

#include "ui/shared/FollowTimes.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace brelvon {

// Asks for a refresh when the machine may have changed, from the event loop,
// never inside a user's action:
// - when the mount table changes (a descriptor that signals an "exception"
//   then, see MountTableWatch), once per burst: SettleTime after its last change;
// - every Period while the window is shown and not minimised, so that free
//   space follows what is written.
// While the window is hidden or minimised nothing is asked; a change seen
// meanwhile, and the time that passed, are made up for by one refresh as soon
// as it is shown again.
class MachineWatch final : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds SettleTime = FollowSettleTime;
    static constexpr std::chrono::milliseconds Period = FollowPeriod;

    // `refresh` runs each time a refresh is due. `mountTable` is a descriptor
    // that signals mount-table changes, -1 for none; `acknowledge` takes a
    // signalled change in. The window must outlive the watch.
    MachineWatch(QWidget* window, std::function<void()> refresh, int mountTable = -1,
                 std::function<void()> acknowledge = {});
    ~MachineWatch() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] bool Showing() const;
    void MountTableChanged();
    void Due();
    void FollowShowing();

    QPointer<QWidget> window_;
    std::function<void()> refresh_;
    std::function<void()> acknowledge_;
    std::unique_ptr<QSocketNotifier> mountNotifier_;
    QTimer settle_;
    QTimer period_;
    bool missed_ = false;  // a refresh fell due while the window was not showing
};

}  // namespace brelvon
