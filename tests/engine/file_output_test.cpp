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

// Writes past this many bytes fail as on a full disk, whoever runs the test.
struct FileSizeLimit {
    rlimit old{};
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old);
        rlimit limit = old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &old), std::signal(SIGXFSZ, SIG_DFL); }
};

// A file is replaced whole with its mode kept, appended to at its end, and
// left as it was when a write fails.
TEST(FileOutputTest, WholeOrNothing)
{
    const std::string path = ::testing::TempDir() + "whole.txt";
    ASSERT_EQ(WriteFileWhole(path, "old"), FileWrite::kWritten);
    ::chmod(path.c_str(), 0640);
    ASSERT_EQ(WriteFileWhole(path, "new\n"), FileWrite::kWritten);
    EXPECT_EQ(AppendToFile(path, "two\n"), FileWrite::kWritten);
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    {
        FileSizeLimit full(4);
        EXPECT_EQ(WriteFileWhole(path, "far too long to fit"), FileWrite::kWriteFailed);
        EXPECT_EQ(AppendToFile(path, "far too long to fit"), FileWrite::kWriteFailed);
    }
    EXPECT_EQ(ReadFile(path), "new\ntwo\n");
    EXPECT_EQ(WriteFileWhole(path + ".missing/x", "x"), FileWrite::kOpenFailed);
}

TEST(FileOutputTest, LinksStayAndDevicesAreWrittenNotReplaced)
{
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
    EXPECT_EQ(WriteFileWhole("/dev/full", "no room"), FileWrite::kWriteFailed);
    EXPECT_EQ(AppendToFile("/dev/full", "no room"), FileWrite::kWriteFailed);
}

} // namespace
