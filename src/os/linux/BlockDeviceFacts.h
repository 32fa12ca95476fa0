#pragma once

#include "os/linux/DeviceNumber.h"

#include <string>
#include <vector>

namespace brelvon {

// What sysfs says about the block device under a mount, followed down to the
// whole disks that hold it (through partitions, device-mapper/LVM/md slaves and
// loop backing files). A volume on several disks has a property only when every
// one of its disks has it: an array with one USB member is not a USB volume.
struct BlockDeviceFacts {
    DeviceNumber Device;             // the block device itself (for labels)
    std::vector<std::string> Disks;  // kernel names of the whole disks beneath
    bool Removable = false;          // the disk's `removable` flag
    bool OnUsb = false;              // the disk's sysfs path runs through a USB bus
    bool Mmc = false;                // mmcblk*
    bool Optical = false;            // sr*
    bool Zram = false;               // zram*
    bool RamDisk = false;            // ram* (brd)
};

}  // namespace brelvon
