#include "engine/file_output.h"

#include <csignal>
#include <cstdlib>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/files.h"

namespace {

std::string TempPath(const std::string& name)
{
    const char* folder = std::getenv("TEST_TMPDIR");
    return std::string(folder ? folder : "/tmp/") + name;
}

bool IsLink(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

// Writes past this many bytes fail as on a full disk, whoever runs the test.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int);
};

} // namespace

TEST(FileOutputTest, ReplacesWholeAndKeepsTheOldFileWhenAWriteFails)
{
    const std::string path = TempPath("whole.txt");
    ASSERT_EQ(WriteFileWhole(path, "old"), FileWrite::kWritten);
    ::chmod(path.c_str(), 0640);
    ASSERT_EQ(WriteFileWhole(path, "new text"), FileWrite::kWritten);
    EXPECT_EQ(ReadFile(path), "new text");
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    {
        FileSizeLimit full(4);
        EXPECT_EQ(WriteFileWhole(path, "far too long to fit"), FileWrite::kWriteFailed);
        EXPECT_EQ(AppendToFile(path, "far too long to fit"), FileWrite::kWriteFailed);
    }
    EXPECT_EQ(ReadFile(path), "new text");
    EXPECT_EQ(WriteFileWhole(TempPath("missing/folder.txt"), "x"), FileWrite::kOpenFailed);
}

TEST(FileOutputTest, LinksStayAndDevicesAreWrittenNotReplaced)
{
    const std::string target = TempPath("target.txt");
    const std::string link = TempPath("link.txt");
    const std::string deviceLink = TempPath("null-link");
    ::unlink(link.c_str());
    ::unlink(deviceLink.c_str());
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    ASSERT_EQ(::symlink("/dev/null", deviceLink.c_str()), 0);

    EXPECT_EQ(WriteFileWhole(link, "through the link"), FileWrite::kWritten);
    EXPECT_TRUE(IsLink(link));
    EXPECT_EQ(ReadFile(target), "through the link");

    EXPECT_EQ(WriteFileWhole(deviceLink, "discarded"), FileWrite::kWritten);
    EXPECT_TRUE(IsLink(deviceLink));
    EXPECT_EQ(WriteFileWhole("/dev/full", "no room"), FileWrite::kWriteFailed);
    EXPECT_EQ(AppendToFile("/dev/full", "no room"), FileWrite::kWriteFailed);
}

TEST(FileOutputTest, AppendAddsToTheEnd)
{
    const std::string path = TempPath("append.txt");
    ASSERT_EQ(WriteFileWhole(path, "one\n"), FileWrite::kWritten);
    EXPECT_EQ(AppendToFile(path, "two\n"), FileWrite::kWritten);
    EXPECT_EQ(ReadFile(path), "one\ntwo\n");
}
