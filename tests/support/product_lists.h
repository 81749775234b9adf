// Products as the tests compare them: each one its 18 field texts joined by
// newlines, gathered from an exchange file or from a product data file.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "editors/prodfile.h"
#include "isam/glue.h"

namespace testsupport {

using Products = std::multiset<std::string>;

// The exchange text of n products whose words carry tag.
inline std::string ProductList(int n, std::string_view tag) {
  std::string text;
  for (int i = 1; i <= n; ++i) {
    const std::string id = std::string(tag) + std::to_string(i);
    text += "0\r\n" + id + " words\r\nmore " + id + "\r\nA" + std::to_string(i % 40) +
            "\r\nDairy\r\n\r\n" + std::to_string(i) + "\r\n5\r\n1\r\nAisle " + id + "\r\n";
    for (int line = 3; line <= 10; ++line) text += "line " + std::to_string(line) + "\r\n";
    text += "see " + id + "\r\n";
  }
  return text;
}

inline Products ProductsOfList(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find("\r\n", at);
    if (end == std::string_view::npos) end = text.size();
    lines.emplace_back(text.substr(at, end - at));
    at = end + 2;
  }
  Products products;
  for (std::size_t g = 0; g + 19 <= lines.size(); g += 19) {
    std::string p;
    for (int f = 1; f <= editprod::kSlots; ++f) p += lines[g + f] + "\n";
    products.insert(p);
  }
  return products;
}

// The live products of the data file, read straight from disk.
inline Products ProductsOfFile() {
  std::vector<std::string> records;
  glue::READDATAFILE(editprod::PRODFILE, records);
  Products products;
  for (const std::string& bytes : records) {
    editprod::PRODDEF rec;
    static_assert(sizeof rec == 784);
    std::memcpy(&rec, bytes.data(), sizeof rec);
    std::string p;
    for (int f = 1; f <= editprod::kSlots; ++f) p += editprod::FieldText(rec, f) + "\n";
    products.insert(p);
  }
  return products;
}

// Whether every product of want is in have (as many times).
inline ::testing::AssertionResult Holds(const Products& have, const Products& want) {
  if (std::includes(have.begin(), have.end(), want.begin(), want.end()))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << have.size() << " products lack some of " << want.size();
}

// Whether have holds exactly the products of want.
inline ::testing::AssertionResult Same(const Products& have, const Products& want) {
  if (have == want) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << have.size() << " products where " << want.size()
                                       << " were expected, or others";
}

}  // namespace testsupport
