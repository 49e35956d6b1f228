// Each system call the file layer makes on an image fails in turn, through the
// real calls: the failure must be told (or retried to success), no byte may
// change beyond what the message says, and no handle may stay open.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "rom/weapon_table.h"
#include "tests/fault_injector.h"
#include "tests/file_outcome.h"
#include "tests/temp_rom.h"

namespace quorvane {
namespace {

using testing::FailureOf;
using testing::Fault;
using testing::FaultPlan;
using testing::HandlesOpenOn;
using testing::ReadFile;
using testing::ScratchRom;
using testing::SysCall;
using testing::WithRecord;

constexpr WeaponRecord Sample{1, 2, 3, 4, 5, 6, 7, 8};
constexpr WeaponIndex Weapon = 29;

enum class Operation { Probe, Read, Write };

struct Case {
  Operation operation;
  SysCall call;
  int error;
};

std::string NameOf(const ::testing::TestParamInfo<Case>& info) {
  static const char* const operations[] = {"Probe", "Read", "Write"};
  static const char* const calls[] = {"Open", "Inspect",  "Read", "Write",
                                      "Sync", "Truncate", "Close"};
  return std::string(operations[static_cast<int>(info.param.operation)]) + "_" +
         calls[static_cast<int>(info.param.call)] + "_" + strerrorname_np(info.param.error);
}

// EINTR is retried everywhere, and a close has nothing left to report; any
// other error on any other call fails the operation.
bool ShouldSucceed(const Case& c) { return c.error == EINTR || c.call == SysCall::Close; }

class EveryCallFails : public ::testing::TestWithParam<Case> {
 protected:
  void run(const Case& c) {
    switch (c.operation) {
      case Operation::Probe:
        CheckFileOpens(rom.path);
        break;
      case Operation::Read:
        readBack = ReadWeaponRecord(rom.path, Weapon);
        break;
      case Operation::Write:
        WriteWeaponRecord(rom.path, Weapon, Sample);
        break;
    }
  }
  ScratchRom rom;
  WeaponRecord readBack{};
};

TEST_P(EveryCallFails, IsToldOrRetriedAndLeavesNoHandleOrStrayByte) {
  const Case c = GetParam();
  std::optional<RomFileError> failure;
  int callsMade = 0;
  {
    const FaultPlan plan(rom.path, {Fault{c.call, 1, c.error}});
    failure = FailureOf([&] { run(c); });
    callsMade = plan.calls(c.call);
  }
  ASSERT_GE(callsMade, 1) << "the call was never made, so the fault was never met";
  EXPECT_EQ(HandlesOpenOn(rom.path), 0);
  const bool wrote = c.operation == Operation::Write;
  const testing::Bytes written = WithRecord(rom.original, Weapon, Sample);
  if (ShouldSucceed(c)) {
    EXPECT_FALSE(failure) << failure->what();
    if (c.operation == Operation::Read) {
      EXPECT_EQ(readBack, testing::RecordIn(rom.original, Weapon));
    }
    EXPECT_EQ(ReadFile(rom.path), wrote ? written : rom.original);
    return;
  }
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->code(), std::error_code(c.error, std::generic_category()));
  EXPECT_EQ(callsMade, 1) << "only an interruption is retried";
  if (c.call == SysCall::Sync) {
    // The bytes were handed to the system; the message must not call the file unchanged.
    EXPECT_EQ(failure->fileState(), FileState::MayHoldNewRecord);
    EXPECT_EQ(failure->operation(), FileOperation::ConfirmSave);
    EXPECT_EQ(ReadFile(rom.path), written);
  } else {
    EXPECT_EQ(failure->fileState(), FileState::Unchanged);
    EXPECT_EQ(ReadFile(rom.path), rom.original);
  }
}

std::vector<Case> AllCases() {
  const std::vector<std::pair<Operation, std::vector<SysCall>>> callsOf{
      {Operation::Probe, {SysCall::Open, SysCall::Inspect, SysCall::Close}},
      {Operation::Read, {SysCall::Open, SysCall::Inspect, SysCall::Read, SysCall::Close}},
      {Operation::Write,
       {SysCall::Open, SysCall::Inspect, SysCall::Write, SysCall::Sync, SysCall::Close}},
  };
  std::vector<Case> cases;
  for (const auto& [operation, calls] : callsOf) {
    for (const SysCall call : calls) {
      for (const int error : {EIO, EINTR, ENOSPC}) cases.push_back({operation, call, error});
    }
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(FaultInjection, EveryCallFails, ::testing::ValuesIn(AllCases()), NameOf);

class ShortTransfers : public ::testing::Test {
 protected:
  ScratchRom rom;
};

TEST_F(ShortTransfers, AShortReadIsCompleted) {
  const FaultPlan plan(rom.path, {Fault{SysCall::Read, 1, 0, 3}});
  EXPECT_EQ(ReadWeaponRecord(rom.path, Weapon), testing::RecordIn(rom.original, Weapon));
  EXPECT_EQ(plan.calls(SysCall::Read), 2);
}

TEST_F(ShortTransfers, AShortWriteIsCompleted) {
  {
    const FaultPlan plan(rom.path,
                         {Fault{SysCall::Write, 1, 0, 4}, Fault{SysCall::Write, 2, EINTR}});
    WriteWeaponRecord(rom.path, Weapon, Sample);
    EXPECT_EQ(plan.calls(SysCall::Write), 3);
  }
  EXPECT_EQ(ReadFile(rom.path), WithRecord(rom.original, Weapon, Sample));
}

TEST_F(ShortTransfers, AWriteThatStopsPartwayIsToldAsAPartlyChangedRecord) {
  std::optional<RomFileError> failure;
  {
    const FaultPlan plan(rom.path, {Fault{SysCall::Write, 1, 0, 4}, Fault{SysCall::Write, 2, EIO}});
    failure = FailureOf([&] { WriteWeaponRecord(rom.path, Weapon, Sample); });
    EXPECT_EQ(plan.calls(SysCall::Sync), 0);
  }
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->fileState(), FileState::PartlyChanged);
  EXPECT_EQ(failure->code(), std::errc::io_error);
  EXPECT_EQ(failure->bytesWritten(), 4);
  EXPECT_EQ(failure->bytesChanged(), 4);
  WeaponRecord halfway = testing::RecordIn(rom.original, Weapon);
  std::copy_n(Sample.begin(), 4, halfway.begin());
  EXPECT_EQ(ReadFile(rom.path), WithRecord(rom.original, Weapon, halfway));
  EXPECT_EQ(HandlesOpenOn(rom.path), 0);
}

// Cutting off bytes that only grew the file is proven on a real size limit
// (PosixFile); here the cut itself fails, so the message must not claim it.
TEST_F(ShortTransfers, BytesThatGrewTheFileAreToldWhenTheyCannotBeCutOff) {
  const testing::Bytes shorter(rom.original.begin(),
                               rom.original.begin() + *RecordPosition(Weapon));
  testing::WriteFile(rom.path, shorter);
  std::optional<RomFileError> failure;
  {
    const FaultPlan plan(rom.path,
                         {Fault{SysCall::Write, 1, 0, 4}, Fault{SysCall::Write, 2, ENOSPC},
                          Fault{SysCall::Truncate, 1, EIO}});
    failure = FailureOf([&] { WriteWeaponRecord(rom.path, Weapon, Sample); });
  }
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->fileState(), FileState::PartlyChanged);
  EXPECT_EQ(HandlesOpenOn(rom.path), 0);
}

}  // namespace
}  // namespace quorvane
