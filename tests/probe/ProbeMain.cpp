// brelvon-probe: runs the main window's start-up and a list of events on the
// window model, without a display, and prints the result as one JSON object.
#include "Probe.h"

#include "platform/file/DriveFile.h"

#include <iostream>

int main(int argc, char** argv)
{
    try {
        const nlohmann::json snapshot = brelvon::RunProbe(std::vector<std::string>(argv + 1, argv + argc));
        std::cout << snapshot.dump(1) << '\n';
        return snapshot.contains("error") ? 1 : 0;
    } catch (const brelvon::DriveFileError& error) {
        std::cerr << "brelvon-probe: " << error.what() << '\n';
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "brelvon-probe: " << error.what() << '\n';
        return 2;
    }
}
