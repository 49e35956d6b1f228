#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>

#include "tests/temp_rom.h"

namespace quorvane {
namespace {

// The file-type check is statx on Linux, fstat (or newfstatat) elsewhere.
std::string Normalized(const std::string& call) {
  return call == "newfstatat" || call == "statx" ? "fstat" : call;
}

// Every system call that named the image, by call name, from strace's log.
std::map<std::string, int> CallsOnFile(const std::string& log, const std::string& path) {
  std::map<std::string, int> calls;
  std::ifstream in(log);
  const std::regex call(R"(^\d+\s+(\w+)\()");
  for (std::string line; std::getline(in, line);) {
    std::smatch match;
    if (line.find(path) != std::string::npos && std::regex_search(line, match, call) &&
        match[1] != "execve") {  // the probe's own start names the image as an argument
      ++calls[Normalized(match[1])];
    }
  }
  return calls;
}

TEST(PosixSyscallBudget, OpenLoadAndSaveTouchTheImageOnlyWithOneTransferEach) {
  if (std::system("command -v strace >/dev/null 2>&1") != 0) GTEST_SKIP() << "strace is absent";
  testing::ScratchRom rom;
  const std::string log = rom.folder.file("strace.log");
  // LeakSanitizer cannot run under a tracer; the sanitized suite finds leaks elsewhere.
  const std::string command = "ASAN_OPTIONS=detect_leaks=0 strace -f -y -e trace=all -o '" + log +
                              "' '" QUORVANE_SYSCALL_PROBE "' '" + rom.path + "' 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);

  // Probe, load and save: three opens, file-type checks and closes, one
  // 8-byte read, one 8-byte write made durable, and nothing that truncates,
  // renames or copies.
  const std::map<std::string, int> expected{{"openat", 3},  {"fstat", 3},    {"close", 3},
                                            {"pread64", 1}, {"pwrite64", 1}, {"fdatasync", 1}};
  EXPECT_EQ(CallsOnFile(log, rom.path), expected);

  std::ifstream in(log);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_TRUE(std::regex_search(text, std::regex(R"(pread64\(\d+<[^>]+>, .*, 8, 2942464\) = 8)")));
  EXPECT_TRUE(std::regex_search(text, std::regex(R"(pwrite64\(\d+<[^>]+>, .*, 8, 2942464\) = 8)")));
  EXPECT_EQ(testing::ReadFile(rom.path), rom.original);
}

}  // namespace
}  // namespace quorvane
