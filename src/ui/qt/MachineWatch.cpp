#include "ui/qt/MachineWatch.h"

#include <QEvent>
#include <QSocketNotifier>

#include <utility>

namespace brelvon {

MachineWatch::MachineWatch(QWidget* window, std::function<void()> refresh, int mountTable,
                           std::function<void()> acknowledge)
    : window_(window), refresh_(std::move(refresh)), acknowledge_(std::move(acknowledge))
{
    settle_.setSingleShot(true);
    settle_.setInterval(SettleTime);
    connect(&settle_, &QTimer::timeout, this, &MachineWatch::Due);
    period_.setInterval(Period);
    connect(&period_, &QTimer::timeout, this, &MachineWatch::Due);
    if (mountTable >= 0) {
        mountNotifier_ = std::make_unique<QSocketNotifier>(mountTable, QSocketNotifier::Exception);
        connect(mountNotifier_.get(), &QSocketNotifier::activated, this, &MachineWatch::MountTableChanged);
    }
    window_->installEventFilter(this);
    if (Showing()) period_.start();
}

MachineWatch::~MachineWatch()
{
    if (window_) window_->removeEventFilter(this);
}

bool MachineWatch::Showing() const { return window_ && window_->isVisible() && !window_->isMinimized(); }

void MachineWatch::MountTableChanged()
{
    if (acknowledge_) acknowledge_();
    // A stick with three partitions mounts in three steps: wait for the last.
    settle_.start();
}

void MachineWatch::Due()
{
    if (!Showing()) {
        missed_ = true;
        return;
    }
    missed_ = false;
    // The period counts from the last refresh, whatever caused it.
    if (period_.isActive()) period_.start();
    refresh_();
}

bool MachineWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide ||
                               event->type() == QEvent::WindowStateChange)) {
        // After the event has been handled, when the window's state is settled.
        QTimer::singleShot(0, this, &MachineWatch::FollowShowing);
    }
    return QObject::eventFilter(watched, event);
}

void MachineWatch::FollowShowing()
{
    if (!Showing()) {
        if (period_.isActive()) {
            period_.stop();
            missed_ = true;  // the time until the window shows again is not followed
        }
        return;
    }
    if (!period_.isActive()) {
        period_.start();
        if (missed_) Due();
    }
}

}  // namespace brelvon
