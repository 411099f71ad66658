#include "runtime/TextFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <stdexcept>

namespace rt {

namespace {

FileCalls& Calls() {
  static FileCalls calls = SystemFileCalls();
  return calls;
}

// Windows-1252 bytes 0x80 to 0x9F and the characters they stand for; 0 marks
// the five bytes that stand for none.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::string Hex(char32_t c) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
  return text;
}

// The next character of a UTF-8 text, starting at `at`, which it advances.
// Overlong forms, surrogates and values beyond U+10FFFF are not UTF-8.
char32_t NextCharacter(std::string_view text, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  int length = 0;
  char32_t c = 0;
  if (lead < 0x80) {
    ++at;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    c = lead & 0x07;
  } else {
    throw std::runtime_error("text is not UTF-8 (byte " + std::to_string(lead) + ")");
  }
  if (text.size() - at < std::size_t(length))
    throw std::runtime_error("text is not UTF-8 (a character is cut off)");
  for (int i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) throw std::runtime_error("text is not UTF-8 (bad continuation)");
    c = (c << 6) | (byte(at + i) & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
    throw std::runtime_error("text is not UTF-8 (" + Hex(c) + " badly encoded)");
  at += length;
  return c;
}

char ToByte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == c && c != 0) return static_cast<char>(0x80 + i);
  throw std::runtime_error("the character " + Hex(c) + " has no place in Windows-1252");
}

std::runtime_error Refusal(const std::string& path, const std::string& reason) {
  return std::runtime_error("cannot create the file \"" + path + "\": " + reason);
}

// Whether a regular file that may be replaced has the name (its status then
// in `status`); false when nothing has it. Whatever else has it is refused.
bool CheckName(const std::string& name, const std::string& path, struct stat& status) {
  if (::lstat(name.c_str(), &status) != 0) {
    if (errno == ENOENT) return false;  // a missing folder shows when the file is created
    throw Refusal(path, std::strerror(errno));
  }
  if (S_ISLNK(status.st_mode)) throw Refusal(path, "it is a symbolic link");
  if (S_ISDIR(status.st_mode)) throw Refusal(path, std::strerror(EISDIR));
  if (!S_ISREG(status.st_mode)) throw Refusal(path, "it is not a regular file");
  // A file the user may not write is not replaced either.
  if (::faccessat(AT_FDCWD, name.c_str(), W_OK, AT_EACCESS) != 0) throw Refusal(path, std::strerror(errno));
  return true;
}

std::string RandomLetters(int count) {
  static std::mt19937_64 generator{std::random_device{}()};
  static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::string letters(static_cast<std::size_t>(count), ' ');
  for (char& c : letters) c = kLetters[generator() % kLetters.size()];
  return letters;
}

// Beyond a file-size limit the system ends a process by SIGXFSZ; ignored, the
// write fails with EFBIG instead and is reported. A handler someone else
// installed stays.
void IgnoreFileSizeSignal() {
  struct sigaction current {};
  if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && !(current.sa_flags & SA_SIGINFO) &&
      current.sa_handler == SIG_DFL)
    ::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace

FileCalls SystemFileCalls() {
  return {.open = [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
          .write = ::write,
          .fsync = ::fsync,
          .close = ::close,
          .rename = ::rename};
}

FileCalls SetFileCalls(const FileCalls& calls) {
  const FileCalls previous = Calls();
  Calls() = calls;
  return previous;
}

std::string FullPath(const std::string& name) {
  if (!name.empty() && name.front() == '/') return name;
  std::string folder(4096, '\0');
  while (!::getcwd(folder.data(), folder.size())) {
    if (errno != ERANGE) return name;  // the reason shows in the error that follows
    folder.resize(folder.size() * 2);
  }
  folder.resize(std::strlen(folder.c_str()));
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder + name;
}

std::string ToWindows1252(std::string_view utf8) {
  std::string bytes;
  bytes.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) bytes += ToByte(NextCharacter(utf8, at));
  return bytes;
}

bool TextFile::Exists(const std::string& name) {
  struct stat status {};
  return CheckName(name, FullPath(name), status);
}

TextFile TextFile::Create(const std::string& name) {
  IgnoreFileSizeSignal();
  const std::string path = FullPath(name);
  struct stat existing {};
  const bool replaces = CheckName(name, path, existing);
  const std::size_t slash = name.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
  const std::string base = name.substr(folder.size());
  if (base.empty()) throw Refusal(path, std::strerror(EISDIR));
  // A new file that nothing else names: created exclusively, so that neither
  // a file nor a link of the same name is ever opened.
  for (int attempt = 1;; ++attempt) {
    std::string temporary = folder + "." + base + "." + RandomLetters(6);
    const int fd = Calls().open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd >= 0) {
      TextFile file(fd, name, path, std::move(temporary));
      // A replaced file's permissions stay those the user gave it.
      if (replaces && ::fchmod(fd, existing.st_mode & 0777) != 0) file.Fail("cannot create", errno);
      return file;
    }
    if (errno != EEXIST || attempt == 100) throw Refusal(path, std::strerror(errno));
  }
}

TextFile::TextFile(TextFile&& other) noexcept
    : fd_(other.fd_),
      name_(std::move(other.name_)),
      path_(std::move(other.path_)),
      temporary_(std::move(other.temporary_)),
      pending_(std::move(other.pending_)) {
  other.fd_ = -1;
  other.temporary_.clear();
}

TextFile::~TextFile() { Discard(); }

void TextFile::Discard() noexcept {
  if (fd_ >= 0) Calls().close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
  pending_.clear();
}

void TextFile::Fail(const char* what, int error) {
  Discard();
  throw std::runtime_error(std::string(what) + " the file \"" + path_ + "\": " + std::strerror(error));
}

void TextFile::WriteLine(std::string_view line) {
  if (fd_ < 0) throw std::runtime_error("cannot write the file \"" + path_ + "\": it is closed");
  pending_.append(line);
  pending_ += '\n';
}

void TextFile::Flush() {
  if (fd_ < 0) throw std::runtime_error("cannot write the file \"" + path_ + "\": it is closed");
  std::size_t done = 0;
  while (done < pending_.size()) {
    const ssize_t written = Calls().write(fd_, pending_.data() + done, pending_.size() - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      Fail("cannot write", errno);
    }
    if (written == 0) Fail("cannot write", ENOSPC);
    done += static_cast<std::size_t>(written);
  }
  pending_.clear();
}

// A full disk may show only when the data are forced out; the file takes the
// name only once they are.
void TextFile::Close() {
  Flush();
  if (Calls().fsync(fd_) != 0) Fail("cannot write", errno);
  const int fd = fd_;
  fd_ = -1;
  if (Calls().close(fd) != 0) Fail("cannot write", errno);
  if (Calls().rename(temporary_.c_str(), name_.c_str()) != 0) Fail("cannot create", errno);
  temporary_.clear();
  SyncFolder();
}

// The rename lives in the folder's own data until the folder is forced out.
void TextFile::SyncFolder() const {
  const std::size_t slash = name_.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string(".") : name_.substr(0, slash + 1);
  const int fd = Calls().open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
  int error = fd < 0 ? errno : 0;
  if (fd >= 0) {
    if (Calls().fsync(fd) != 0) error = errno;
    Calls().close(fd);
  }
  // EINVAL: a file system that cannot force a folder; nothing more can be done.
  if (error != 0 && error != EINVAL && error != ENOTSUP)
    throw std::runtime_error("the file \"" + path_ + "\" is in place, but its folder cannot be forced onto the disk: " +
                             std::strerror(error));
}

}  // namespace rt
