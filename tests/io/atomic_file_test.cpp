// Writing a file whole or not at all, without touching any other file.
#include "io/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace tarnvik {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tarnvik-atomic-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void Write(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  std::size_t FileCount() { return std::size_t(std::distance(fs::directory_iterator(dir_), fs::directory_iterator())); }

  fs::path dir_;
};

// A user's own "<name>.tmp" beside the target is not a scratch file of ours.
TEST_F(AtomicFileTest, ReplacesTheTargetAndNothingElse) {
  Write(dir_ / "pvt.inc", "old");
  Write(dir_ / "pvt.inc.tmp", "the user's own file");
  ::chmod((dir_ / "pvt.inc").c_str(), 0640);
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(dir_ / "pvt.inc", "new tables\n", error)) << error;
  EXPECT_EQ(Read(dir_ / "pvt.inc"), "new tables\n");
  EXPECT_EQ(Read(dir_ / "pvt.inc.tmp"), "the user's own file");
  EXPECT_EQ(FileCount(), 2u);
  struct stat written {};
  ::stat((dir_ / "pvt.inc").c_str(), &written);
  EXPECT_EQ(written.st_mode & 0777, 0640u) << "an existing file keeps its permissions";
}

TEST_F(AtomicFileTest, AFailedWriteLeavesNoFileBehindAndSaysWhy) {
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(dir_ / "no-such-folder" / "pvt.inc", "x", error));
  EXPECT_EQ(error, "No such file or directory");
  EXPECT_FALSE(WriteFileAtomically(dir_, "x", error));
  EXPECT_EQ(error, "the name is a folder, not a file");
  EXPECT_EQ(FileCount(), 0u);
  // A device is written in place, never replaced, and its failure is said.
  if (fs::exists("/dev/full")) {
    EXPECT_FALSE(WriteFileAtomically("/dev/full", "x", error));
    EXPECT_EQ(error, "No space left on device");
    EXPECT_FALSE(fs::is_regular_file("/dev/full"));
  }
}

// Saving through a symbolic link replaces the file it names and keeps the link.
TEST_F(AtomicFileTest, ALinkKeepsPointingAtTheSavedFile) {
  Write(dir_ / "case.pvt", "old");
  fs::create_symlink("case.pvt", dir_ / "link.pvt");
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(dir_ / "link.pvt", "new", error)) << error;
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.pvt"));
  EXPECT_EQ(Read(dir_ / "case.pvt"), "new");
}

TEST_F(AtomicFileTest, APendingFileIsRemovedUnlessCommitted) {
  Write(dir_ / "deck.DATA", "old deck");
  std::string error;
  {
    PendingFile pending;
    ASSERT_TRUE(pending.Write(dir_ / "deck.DATA", "new deck", error)) << error;
    EXPECT_EQ(FileCount(), 2u);
    EXPECT_EQ(Read(dir_ / "deck.DATA"), "old deck") << "not in place before the commit";
  }
  EXPECT_EQ(FileCount(), 1u);
  EXPECT_EQ(Read(dir_ / "deck.DATA"), "old deck");
}

}  // namespace
}  // namespace tarnvik
