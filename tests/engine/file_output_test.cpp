#include "engine/file_output.h"

#include <csignal>
#include <filesystem>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/files.h"

namespace {

// A file is replaced whole with its mode kept, appended to at its end, and
// left as it was when a write fails.
TEST(FileOutputTest, WholeOrNothingThroughLinks)
{
    const std::string path = ::testing::TempDir() + "whole.txt";
    ASSERT_EQ(WriteFileWhole(path, "old"), FileWrite::kWritten);
    ::chmod(path.c_str(), 0640);
    ASSERT_EQ(WriteFileWhole(path, "new\n"), FileWrite::kWritten);
    EXPECT_EQ(AppendToFile(path, "two\n"), FileWrite::kWritten);
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    // Writes past 4 bytes fail as on a full disk, whoever runs the test.
    rlimit old{}, full{};
    std::signal(SIGXFSZ, SIG_IGN), ::getrlimit(RLIMIT_FSIZE, &old), full = old, full.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &full);
    EXPECT_EQ(WriteFileWhole(path, "far too long to fit"), FileWrite::kWriteFailed);
    EXPECT_EQ(AppendToFile(path, "far too long to fit"), FileWrite::kWriteFailed);
    ::setrlimit(RLIMIT_FSIZE, &old), std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_EQ(ReadFile(path), "new\ntwo\n");
    EXPECT_EQ(WriteFileWhole(path + ".missing/x", "x"), FileWrite::kOpenFailed);
    // Links stay, and devices are written, not replaced.
    const std::string target = ::testing::TempDir() + "target.txt";
    const std::string link = ::testing::TempDir() + "link.txt";
    const std::string deviceLink = ::testing::TempDir() + "null-link";
    ::unlink(link.c_str()), ::unlink(deviceLink.c_str());
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    ASSERT_EQ(::symlink("/dev/null", deviceLink.c_str()), 0);
    EXPECT_EQ(WriteFileWhole(link, "through the link"), FileWrite::kWritten);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFile(target), "through the link");
    EXPECT_EQ(WriteFileWhole(deviceLink, "discarded"), FileWrite::kWritten);
    EXPECT_TRUE(std::filesystem::is_symlink(deviceLink));
}

} // namespace
