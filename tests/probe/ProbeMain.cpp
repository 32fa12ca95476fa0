// brelvon-probe: runs the main window's start-up and a list of events on the
// window model, without a display, and prints the result as one JSON object.
#include "Probe.h"

#include "drives/DriveFile.h"
#include "support/CapturedMountInfo.h"

#include <fstream>
#include <sstream>

#include <iostream>

int main(int argc, char** argv)
{
    try {
        if (argc == 3 && std::string(argv[1]) == "--classify") {
            // The drives a captured mount table gives, sizes taken as non-zero, no sysfs facts.
            std::ifstream file(argv[2], std::ios::binary);
            if (!file) throw std::invalid_argument(std::string("cannot read ") + argv[2]);
            std::ostringstream text;
            text << file.rdbuf();
            const auto drives = brelvon::ClassifyCapturedMountInfo(text.str());
            std::cout << brelvon::ClassifiedDrivesToJson(drives).dump(-1, ' ', false,
                                                                      nlohmann::json::error_handler_t::replace)
                      << '\n';
            return 0;
        }
        const nlohmann::json snapshot = brelvon::RunProbe(std::vector<std::string>(argv + 1, argv + argc));
        std::cout << snapshot.dump(1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
        return snapshot.contains("error") ? 1 : 0;
    } catch (const brelvon::DriveFileError& error) {
        std::cerr << "brelvon-probe: " << error.what() << '\n';
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "brelvon-probe: " << error.what() << '\n';
        return 2;
    }
}
