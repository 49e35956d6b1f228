#include "bench/raw_floor.h"

#include <fcntl.h>
#include <unistd.h>

#include <memory>

#include "tests/temp_rom.h"

namespace quorvane::bench {

WeaponRecord RawRead(const std::string& path, std::int32_t position) {
  WeaponRecord record{};
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (::pread(fd, record.data(), record.size(), position) != WeaponRecordSize) record[0] = 1;
  ::close(fd);
  return record;
}

void RawWrite(const std::string& path, std::int32_t position, const WeaponRecord& record) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (::pwrite(fd, record.data(), record.size(), position) == WeaponRecordSize) ::fdatasync(fd);
  ::close(fd);
}

const std::string& ScratchImage() {
  static const auto rom = std::make_unique<testing::ScratchRom>();
  return rom->path;
}

}  // namespace quorvane::bench
