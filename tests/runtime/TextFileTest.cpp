#include "runtime/TextFile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/FileCallLog.h"
#include "tests/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using testing_support::FileCallLog;
using testing_support::TempFolder;

// The message of the error that `action` throws; fails the test when it
// throws none.
template <class F>
std::string ErrorOf(F action) {
  try {
    action();
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  ADD_FAILURE() << "no error thrown";
  return {};
}

TEST(TextFile, LinesGoToANewFileThatTakesTheNameOnlyWhenComplete) {
  TempFolder folder;
  folder.Write("100.txt", "an older and longer isochore\n");
  rt::TextFile file = rt::TextFile::Create("100.txt");
  EXPECT_EQ(file.Path(), (folder.Path() / "100.txt").string());
  file.WriteLine("van der Waals");
  file.WriteLine("0, 1.5");
  file.WriteLine("");
  file.Flush();
  // The flushed lines are on disk in a second, hidden file; the name keeps
  // the old file.
  std::vector<std::string> names = folder.Names();
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[1], "100.txt");
  EXPECT_EQ(names[0].rfind(".100.txt.", 0), 0u) << names[0];
  EXPECT_EQ(folder.Read(names[0]), "van der Waals\n0, 1.5\n\n");
  EXPECT_EQ(folder.Read("100.txt"), "an older and longer isochore\n");
  file.WriteLine("25, 2");
  file.Close();
  EXPECT_EQ(folder.Read("100.txt"), "van der Waals\n0, 1.5\n\n25, 2\n") << "closing flushes";
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"100.txt"});
  EXPECT_NE(ErrorOf([&] { file.WriteLine("late"); }).find("closed"), std::string::npos);

  {  // a file left unfinished goes, and the name keeps what it had
    rt::TextFile dropped = rt::TextFile::Create("100.txt");
    dropped.WriteLine("unfinished");
    dropped.Flush();
  }
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"100.txt"});
}

// What a power cut may leave depends on the order of the calls: every byte
// written, then the file forced onto the disk, closed, renamed over the old
// name, and the folder that holds the new name forced onto the disk.
TEST(TextFile, CloseWritesForcesTheFileOutRenamesThenForcesTheFolderOut) {
  struct Case {
    const char* what;
    std::string name, folder;
    bool flushFirst;
  };
  const Case cases[] = {
      {"the last lines left to Close", "100.txt", ".", false},
      {"a flush, then one more line", "100.txt", ".", true},
      {"a name in a sub-folder", "sub/100.txt", "sub/", false},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    fs::create_directory("sub");
    folder.Write(c.name, "the previous isochore\n");
    FileCallLog log;
    rt::TextFile file = rt::TextFile::Create(c.name);
    file.WriteLine("van der Waals");
    if (c.flushFirst) file.Flush();
    file.WriteLine("0, 1.5");
    file.Close();
    const std::string temporary = "temporary", into = "folder " + c.folder;
    EXPECT_EQ(log.Steps(), (std::vector<std::string>{"open " + temporary, "write " + temporary, "fsync " + temporary,
                                                     "close " + temporary, "rename temporary to " + c.name,
                                                     "open " + into, "fsync " + into, "close " + into}))
        << c.what;
    EXPECT_EQ(log.BytesWritten(), std::string("van der Waals\n0, 1.5\n").size()) << c.what;
    EXPECT_EQ(folder.Read(c.name), "van der Waals\n0, 1.5\n") << c.what;
  }
}

// A call that fails before the rename leaves the old file whole and nothing
// else; once renamed, the new file stays and a folder that cannot be forced
// out is still reported, unless its file system cannot force folders at all.
TEST(TextFile, EachFailingCallOfCloseIsReportedAndTheNameHoldsOneWholeFile) {
  struct Case {
    const char* call;
    int error;
    bool reported, replaced;
  };
  const Case cases[] = {
      {"write temporary", EIO, true, false},
      {"fsync temporary", EIO, true, false},
      {"fsync temporary", ENOSPC, true, false},
      {"close temporary", EIO, true, false},
      {"rename temporary to 100.txt", EXDEV, true, false},
      {"open folder .", EACCES, true, true},
      {"fsync folder .", EIO, true, true},
      {"fsync folder .", EINVAL, false, true},
  };
  for (const Case& c : cases) {
    const std::string where = std::string(c.call) + ": " + std::strerror(c.error);
    TempFolder folder;
    folder.Write("100.txt", "the previous isochore\n");
    FileCallLog log;
    log.FailNext(c.call, c.error);
    std::string message;
    try {
      rt::TextFile file = rt::TextFile::Create("100.txt");
      file.WriteLine("0, 1.5");
      file.Close();
    } catch (const std::runtime_error& error) {
      message = error.what();
    }
    EXPECT_EQ(!message.empty(), c.reported) << where;
    if (c.reported) {
      EXPECT_NE(message.find(std::strerror(c.error)), std::string::npos) << message;
      EXPECT_NE(message.find((folder.Path() / "100.txt").string()), std::string::npos) << message;
      EXPECT_EQ(message.find("is in place") != std::string::npos, c.replaced) << message;
    }
    EXPECT_EQ(folder.Read("100.txt"), c.replaced ? "0, 1.5\n" : "the previous isochore\n") << where;
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"100.txt"}) << where;
    const auto& calls = log.Calls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "close temporary"), 1) << where << ": closed once";
  }
}

TEST(TextFile, AReplacedFileKeepsItsPermissionsAndTheNameFollowsTheWorkingDirectory) {
  TempFolder folder;
  folder.Write("100.txt", "old\n");
  fs::permissions("100.txt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_directory("sub");
  folder.Write("sub/100.txt", "kept\n");
  EXPECT_TRUE(rt::TextFile::Exists("100.txt"));
  {
    rt::TextFile file = rt::TextFile::Create("100.txt");
    file.WriteLine("new");
    file.Close();
  }
  EXPECT_EQ(folder.Read("100.txt"), "new\n");
  EXPECT_EQ(fs::status("100.txt").permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(folder.Read("sub/100.txt"), "kept\n");

  fs::current_path("sub");  // the folder of the moment counts, not that of the program's start
  EXPECT_FALSE(rt::TextFile::Exists("200.txt"));
  rt::TextFile file = rt::TextFile::Create("100.txt");
  EXPECT_EQ(file.Path(), (folder.Path() / "sub" / "100.txt").string());
  file.Close();
  EXPECT_EQ(folder.Read("sub/100.txt"), "");
}

TEST(TextFile, NeverFollowsASymbolicLink) {
  TempFolder folder;
  folder.Write("precious", "do not touch\n");
  fs::create_symlink("precious", "100.txt");
  const std::string message = ErrorOf([] { rt::TextFile::Create("100.txt"); });
  EXPECT_NE(message.find((folder.Path() / "100.txt").string()), std::string::npos) << message;
  EXPECT_NE(message.find("symbolic link"), std::string::npos) << message;
  EXPECT_NE(ErrorOf([] { rt::TextFile::Exists("100.txt"); }).find("symbolic link"), std::string::npos);
  EXPECT_EQ(folder.Read("precious"), "do not touch\n");

  fs::create_symlink("nowhere", "dangling.txt");  // would create "nowhere"
  ErrorOf([] { rt::TextFile::Create("dangling.txt"); });
  EXPECT_FALSE(folder.Has("nowhere"));
}

// A pipe without a reader would hold an opening for writing for ever: it is
// refused without waiting (a wait would outlast the test's time limit).
TEST(TextFile, RefusesWhatIsNotARegularFileWithoutWaiting) {
  TempFolder folder;
  ASSERT_EQ(::mkfifo("pipe.txt", 0600), 0);
  std::string message = ErrorOf([] { rt::TextFile::Create("pipe.txt"); });
  EXPECT_NE(message.find("not a regular file"), std::string::npos) << message;
  EXPECT_NE(message.find((folder.Path() / "pipe.txt").string()), std::string::npos) << message;

  fs::create_directory("folder.txt");
  message = ErrorOf([] { rt::TextFile::Create("folder.txt"); });
  EXPECT_NE(message.find(std::strerror(EISDIR)), std::string::npos) << message;
}

TEST(TextFile, FailuresNameTheFullPathAndTheSystemsReason) {
  TempFolder folder;
  std::string message = ErrorOf([] { rt::TextFile::Create("missing/100.txt"); });
  EXPECT_NE(message.find((folder.Path() / "missing/100.txt").string()), std::string::npos) << message;
  EXPECT_NE(message.find(std::strerror(ENOENT)), std::string::npos) << message;

  if (::geteuid() != 0) {  // the superuser writes into read-only folders and files
    folder.Write("read-only.txt", "kept\n");
    fs::permissions("read-only.txt", fs::perms::owner_read);
    message = ErrorOf([] { rt::TextFile::Exists("read-only.txt"); });
    EXPECT_NE(message.find(std::strerror(EACCES)), std::string::npos) << message;
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    message = ErrorOf([] { rt::TextFile::Create("100.txt"); });
    EXPECT_NE(message.find(std::strerror(EACCES)), std::string::npos) << message;
    fs::permissions(folder.Path(), fs::perms::owner_all);
    EXPECT_EQ(folder.Read("read-only.txt"), "kept\n");
  }
}

// In a child process, under a file-size limit of 40 bytes and with SIGXFSZ
// as the system sets it (it ends the process): the write part-way is an
// error that names the reason, the old file keeps its name and content, and
// no unfinished file is left. The child tells what was wrong on stderr.
TEST(TextFile, AWriteCutShortLeavesTheOldFileAndIsAnErrorNotTheEndOfTheProgram) {
  TempFolder folder;
  folder.Write("100.txt", "the previous isochore\n");
  const auto child = [&folder] {
    std::string wrong;
    ::signal(SIGXFSZ, SIG_DFL);
    rlimit small{};
    ::getrlimit(RLIMIT_FSIZE, &small);
    small.rlim_cur = 40;
    ::setrlimit(RLIMIT_FSIZE, &small);
    try {
      rt::TextFile file = rt::TextFile::Create("100.txt");
      file.WriteLine("20, 4.69183520045046");
      file.Flush();  // 21 bytes: within the limit
      file.WriteLine("30, 4.86247271286049");
      file.Flush();
      file.Close();
      wrong += "no error;";
    } catch (const std::runtime_error& error) {
      const std::string message = error.what();
      if (message.find(std::strerror(EFBIG)) == std::string::npos) wrong += "reason: " + message + ";";
      if (message.find((folder.Path() / "100.txt").string()) == std::string::npos) wrong += "path: " + message + ";";
    }
    if (folder.Read("100.txt") != "the previous isochore\n") wrong += "the old file changed;";
    if (folder.Names() != std::vector<std::string>{"100.txt"}) wrong += "a file is left over;";
    std::fputs(wrong.c_str(), stderr);
    std::exit(wrong.empty() ? 0 : 1);
  };
  EXPECT_EXIT(child(), testing::ExitedWithCode(0), "^$");
}

TEST(Windows1252, AsciiStaysAndOtherCharactersTakeTheirCodePageBytes) {
  EXPECT_EQ(rt::ToWindows1252("Temperature, Pressure"), "Temperature, Pressure");
  EXPECT_EQ(rt::ToWindows1252(""), "");
  EXPECT_EQ(rt::ToWindows1252(std::string("a\0b", 3)), std::string("a\0b", 3));
  // From the code page's table: the Latin-1 half maps to itself, 0x80 to
  // 0x9F hold the euro sign, typographic quotes, dashes and a few letters.
  EXPECT_EQ(rt::ToWindows1252("\u00B7 \u00E9 \u00FF \u00A0"), "\xB7 \xE9 \xFF \xA0");
  EXPECT_EQ(rt::ToWindows1252("\u20AC\u2026\u2013\u2014\u0178\u017E\u02DC"), "\x80\x85\x96\x97\x9F\x9E\x98");
}

TEST(Windows1252, ACharacterItCannotHoldIsAnErrorNotDropped) {
  // The ring above of "˚C" is not in the code page (0x88 is the circumflex).
  EXPECT_NE(ErrorOf([] { rt::ToWindows1252("20 \u02DAC"); }).find("U+02DA"), std::string::npos);
  EXPECT_NE(ErrorOf([] { rt::ToWindows1252("\u0081"); }).find("U+0081"), std::string::npos);
  ErrorOf([] { rt::ToWindows1252("\u2212"); });      // the minus sign
  ErrorOf([] { rt::ToWindows1252("\U0001F600"); });  // four bytes
  ErrorOf([] { rt::ToWindows1252("\xC3"); });        // cut off
  ErrorOf([] { rt::ToWindows1252("\xC0\xAF"); });    // overlong '/'
  ErrorOf([] { rt::ToWindows1252("\xED\xA0\x80"); }); // a surrogate
  ErrorOf([] { rt::ToWindows1252("\xFF"); });
}

}  // namespace
