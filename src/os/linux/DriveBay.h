#pragma once

#include <string>

namespace brelvon {

// A drive whose medium can be taken out: an optical drive or a card reader.
// Such a drive exists whether or not a medium is in it, so it is listed (not
// ready) when nothing of it is mounted.
struct DriveBay {
    enum class Kind { Optical, CardReader };

    std::string Name;  // kernel name: "sr0", "sdc"
    Kind BayKind = Kind::Optical;
    bool HasMedium = false;  // its size is not 0
};

}  // namespace brelvon
