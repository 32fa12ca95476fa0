#include "support/TestPaths.h"

namespace brelvon::test {

std::string TestData() { return BRELVON_TEST_DATA; }
std::string SampleData() { return BRELVON_SAMPLE_DATA; }
std::string Scenarios() { return BRELVON_SCENARIOS; }
std::string FuzzDir() { return BRELVON_FUZZ_DIR; }
std::string ProbeProgram() { return BRELVON_PROBE; }
std::string ReportProgram() { return BRELVON_REPORT_PROGRAM; }

}  // namespace brelvon::test
