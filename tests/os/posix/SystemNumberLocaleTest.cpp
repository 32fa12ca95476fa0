#include "os/SystemNumberLocale.h"

#include <gtest/gtest.h>

namespace brelvon {
namespace {

TEST(NumberLocale, MachineLocalesGiveTheirSeparatorsAndUnknownOnesEnglish)
{
    for (const char* name : {"C", "POSIX", "", "xx_YY", "C.UTF-8"}) {
        const auto locale = NumberLocaleForName(name);
        EXPECT_EQ(locale.DecimalSeparator(), ".") << name;
        EXPECT_EQ(locale.GroupSeparator(), ",") << name;
    }
    const auto french = NumberLocaleForName("fr_FR");
    if (french.DecimalSeparator() == ".") GTEST_SKIP() << "this machine has no fr_FR locale";
    EXPECT_EQ(french.DecimalSeparator(), ",");
    EXPECT_EQ(NumberLocaleForName("fr_FR.ISO-8859-1").GroupSeparator(), french.GroupSeparator());
    EXPECT_EQ(NumberLocaleForName("de_DE.UTF-8").GroupSeparator(), ".");
}

}  // namespace
}  // namespace brelvon
