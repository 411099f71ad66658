#include "runtime/TextFile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "tests/TempFolder.h"

namespace {

namespace fs = std::filesystem;
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

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(TextFile, EachFlushedLineIsInTheFileBeforeTheNextIsWritten) {
  TempFolder folder;
  rt::TextFile file = rt::TextFile::Create("100.txt");
  EXPECT_EQ(file.Path(), (folder.Path() / "100.txt").string());
  file.WriteLine("van der Waals");
  EXPECT_EQ(folder.Read("100.txt"), "") << "nothing reaches the file before a flush";
  file.Flush();
  EXPECT_EQ(folder.Read("100.txt"), "van der Waals\n");
  file.WriteLine("0, 1.5");
  file.WriteLine("");
  file.Flush();
  EXPECT_EQ(folder.Read("100.txt"), "van der Waals\n0, 1.5\n\n");
  file.WriteLine("25, 2");
  file.Close();
  EXPECT_EQ(folder.Read("100.txt"), "van der Waals\n0, 1.5\n\n25, 2\n") << "closing flushes";
  EXPECT_NE(ErrorOf([&] { file.WriteLine("late"); }).find("closed"), std::string::npos);
}

TEST(TextFile, AnExistingFileIsEmptiedAndTheNameFollowsTheWorkingDirectory) {
  TempFolder folder;
  WriteFile(folder.Path() / "100.txt", "an older and longer isochore\n");
  fs::create_directory("sub");
  WriteFile(folder.Path() / "sub" / "100.txt", "kept\n");
  {
    rt::TextFile file = rt::TextFile::Create("100.txt");
    file.WriteLine("new");
    file.Close();
  }
  EXPECT_EQ(folder.Read("100.txt"), "new\n");
  EXPECT_EQ(folder.Read("sub/100.txt"), "kept\n");

  fs::current_path("sub");  // the folder of the moment counts, not that of the program's start
  rt::TextFile file = rt::TextFile::Create("100.txt");
  EXPECT_EQ(file.Path(), (folder.Path() / "sub" / "100.txt").string());
  file.Close();
  EXPECT_EQ(folder.Read("sub/100.txt"), "");
}

TEST(TextFile, NeverFollowsASymbolicLink) {
  TempFolder folder;
  WriteFile(folder.Path() / "precious", "do not touch\n");
  fs::create_symlink("precious", "100.txt");
  const std::string message = ErrorOf([] { rt::TextFile::Create("100.txt"); });
  EXPECT_NE(message.find((folder.Path() / "100.txt").string()), std::string::npos) << message;
  EXPECT_NE(message.find("symbolic link"), std::string::npos) << message;
  EXPECT_EQ(folder.Read("precious"), "do not touch\n");

  fs::create_symlink("nowhere", "dangling.txt");  // would create "nowhere"
  ErrorOf([] { rt::TextFile::Create("dangling.txt"); });
  EXPECT_FALSE(folder.Has("nowhere"));
}

TEST(TextFile, RefusesWhatIsNotARegularFileWithoutWaiting) {
  TempFolder folder;
  ASSERT_EQ(::mkfifo("pipe.txt", 0600), 0);
  const auto start = std::chrono::steady_clock::now();
  std::string message = ErrorOf([] { rt::TextFile::Create("pipe.txt"); });
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
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

  if (::geteuid() != 0) {  // the superuser writes into read-only folders
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    message = ErrorOf([] { rt::TextFile::Create("100.txt"); });
    EXPECT_NE(message.find(std::strerror(EACCES)), std::string::npos) << message;
    fs::permissions(folder.Path(), fs::perms::owner_all);
  }
}

TEST(TextFile, AWriteThatTheSystemRefusesIsAnErrorNotASilentLoss) {
  TempFolder folder;
  rt::TextFile file = rt::TextFile::Create("100.txt");
  // A file-size limit of 16 bytes: the system refuses the rest of a longer
  // write with "file too large".
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previous = ::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 16;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  file.WriteLine("20, 4.69183520045046");
  file.WriteLine("30, 4.86247271286049");
  const std::string message = ErrorOf([&] { file.Flush(); });
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, previous);
  EXPECT_NE(message.find(std::strerror(EFBIG)), std::string::npos) << message;
  EXPECT_NE(message.find(file.Path()), std::string::npos) << message;
  EXPECT_EQ(folder.Read("100.txt"), "20, 4.6918352004") << "what was written stays";
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
