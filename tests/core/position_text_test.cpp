#include <gtest/gtest.h>
#include "astro/position_text.h"
TEST(Placeholder, builds) { SUCCEED(); }
