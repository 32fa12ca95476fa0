#pragma once

#include <string>

// Where the tests find their data and the programs they run. Written into
// one source file of their own, so that the absolute paths of a build do not
// reach the other tests' compiled code (which a compiler cache can then
// share between clones in different folders).
namespace brelvon::test {

[[nodiscard]] std::string TestData();       // tests/data
[[nodiscard]] std::string SampleData();     // data/
[[nodiscard]] std::string Scenarios();      // tests/scenarios
[[nodiscard]] std::string FuzzDir();        // fuzz/
[[nodiscard]] std::string ProbeProgram();   // the built brelvon-probe
[[nodiscard]] std::string ReportProgram();  // the built brelvon-report

}  // namespace brelvon::test
