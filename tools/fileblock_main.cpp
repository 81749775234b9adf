// fileblock: looks into the kiosk's fileblocks and drives the store from a
// script, for support staff and tests.
//
//   fileblock check NAME     headers, chains, tree shape; exit 1 on problems
//   fileblock keys NAME K    every (key, record number) of key K in order
//   fileblock records NAME   every record number with its first 4 bytes
//   fileblock ops            store operations from standard input, one
//                            result line each (see isam/fileblock_ops.h)
//
// NAME is a fileblock name as the kiosk writes it ("data\products";
// "data/products" is accepted too), taken from the current folder.
#include <charconv>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <string>

#include "common/cmdline.h"
#include "isam/fileblock_ops.h"
#include "isam/fileblock_report.h"

namespace {

int Usage() {
  std::cerr << "usage: fileblock check NAME | keys NAME K | records NAME | ops\n";
  return 2;
}

}  // namespace

constexpr const char* kHelp =
    "usage: fileblock check NAME | keys NAME K | records NAME | ops\n\n"
    "  check NAME     headers, chains, tree shape; exit 1 on problems\n"
    "  keys NAME K    every (key, record number) of key K in order\n"
    "  records NAME   every record number with its first 4 bytes\n"
    "  ops            store operations from standard input\n\n"
    "NAME is a record file (NAME.DAT + NAME.IX) in the current folder, as\n"
    "data/products or data\\products. Nothing is changed but by ops.\n";

int main(int argc, char** argv) {
  if (kiosk::AnsweredHelp(argc, argv, kHelp)) return 0;
  if (argc < 2) return Usage();
  const std::string cmd = argv[1];
  if (cmd == "ops" && argc == 2) return isam::RunOps(std::cin, std::cout);
  if (argc < 3) return Usage();
  const std::string name = isam::SystemFileBlockName(argv[2]);
  if (cmd == "check" && argc == 3) return isam::ReportCheck(name, std::cout);
  if (cmd == "records" && argc == 3) return isam::ReportRecords(name, std::cout, std::cerr);
  if (cmd == "keys" && argc == 4) {
    std::int32_t key = 0;
    const char* end = argv[3] + std::strlen(argv[3]);
    auto r = std::from_chars(argv[3], end, key);
    if (r.ec != std::errc() || r.ptr != end) return Usage();
    return isam::ReportKeys(name, key, std::cout, std::cerr);
  }
  return Usage();
}
