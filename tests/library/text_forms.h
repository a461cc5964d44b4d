// Typed-test fixture that runs a test once with 8-bit texts and once with
// UTF-16 texts, with UnicodeFlag set to match, so the entries are exercised
// together with both variants.
#pragma once

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

template <class Ch> class TextForms : public testing::Test {
  protected:
    using Text = std::basic_string<Ch>;
    static Text T(const std::string &latin1) { return TextOf<Ch>(latin1); }
    TextFormScope Form{sizeof(Ch) == sizeof(wchar_t)};
};

using CharTypes = testing::Types<char, wchar_t>;
