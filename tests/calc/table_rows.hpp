// Table-driven tests: every row has a unique name, which names the test and
// stands for the row in messages.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace ringcoil::table {

template <typename Case>
std::string caseName(const ::testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

template <typename Case>
concept TableRow = requires(const Case& c) { c.name; };

template <TableRow Case>
void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

}  // namespace ringcoil::table
