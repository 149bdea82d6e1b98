// Entry point of the core's test program, which links no Qt: the locale is set as the
// program runs with it (the user's, but the C numeric conventions), with no application
// object.

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  std::setlocale(LC_NUMERIC, "C");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
