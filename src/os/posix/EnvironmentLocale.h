#pragma once

#include <cstdint>
#include <string>

namespace brelvon {

// The locale name the environment gives a category: the first of `first`,
// `second` and LANG that is set and not empty; empty when none is.
[[nodiscard]] std::string LocaleFromEnvironment(const char* first, const char* second);

// The LANGID of the user's locale: LC_ALL, else LC_MESSAGES, else LANG.
// LANGUAGE is not consulted: it lists translations, not the locale.
[[nodiscard]] std::uint16_t SystemLangIdFromEnvironment();

}  // namespace brelvon
