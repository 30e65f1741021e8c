// The test program starts as the product does: with the user's locale.
#include <gtest/gtest.h>

#include "platform/lower_case.h"

int main(int argc, char** argv) {
  fandrel::UseUsersLocale();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
