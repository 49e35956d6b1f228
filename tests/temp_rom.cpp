#include "tests/temp_rom.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>

namespace quorvane::testing {

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quorvane-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
  // Open to other users, so that a test can run a check as one of them.
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all |
                                          std::filesystem::perms::group_read |
                                          std::filesystem::perms::group_exec |
                                          std::filesystem::perms::others_read |
                                          std::filesystem::perms::others_exec);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

Bytes SeededBytes(std::size_t size, std::uint32_t seed) {
  std::mt19937 generator(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  Bytes bytes(size);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(byte(generator));
  return bytes;
}

void WriteFile(const std::string& path, const Bytes& contents) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(contents.data()),
            static_cast<std::streamsize>(contents.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) throw std::runtime_error("cannot read " + path);
  Bytes contents(static_cast<std::size_t>(in.tellg()));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(contents.data()), static_cast<std::streamsize>(contents.size()));
  return contents;
}

ScratchRom::ScratchRom(std::size_t size, std::uint32_t seed)
    : path(folder.file("game.sfc")), original(SeededBytes(size, seed)) {
  WriteFile(path, original);
}

Bytes WithRecord(Bytes contents, WeaponIndex index, const WeaponRecord& record) {
  const auto position = static_cast<std::size_t>(*RecordPosition(index));
  if (contents.size() < position + record.size()) contents.resize(position + record.size());
  std::copy(record.begin(), record.end(), contents.begin() + static_cast<std::ptrdiff_t>(position));
  return contents;
}

WeaponRecord RecordIn(const Bytes& contents, WeaponIndex index) {
  const auto position = static_cast<std::ptrdiff_t>(*RecordPosition(index));
  WeaponRecord record{};
  std::copy_n(contents.begin() + position, record.size(), record.begin());
  return record;
}

int DescriptorsOpenOn(const std::string& path) {
  const std::filesystem::path target = std::filesystem::weakly_canonical(path);
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    std::error_code error;
    const std::filesystem::path opened = std::filesystem::read_symlink(entry.path(), error);
    if (!error && opened == target) ++count;
  }
  return count;
}

int ExitCodeInChild(const std::function<int()>& check) {
  const pid_t child = fork();
  if (child == 0) _exit(check());
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool DropRootPrivileges() {
  constexpr uid_t nobody = 65534;
  if (geteuid() != 0) return true;
  return setgroups(0, nullptr) == 0 && setgid(nobody) == 0 && setuid(nobody) == 0;
}

}  // namespace quorvane::testing
