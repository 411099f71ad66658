#pragma once
// Text files written line by line, and the Windows-1252 conversion of their
// lines. Every operation is checked: a failure throws std::runtime_error
// with the file's full path and the system's reason.

#include <string>
#include <string_view>

namespace rt {

// The Windows-1252 bytes of a UTF-8 text. A character that Windows-1252
// cannot hold, or bytes that are not UTF-8, throw std::runtime_error: a line
// is never written with characters silently dropped.
std::string ToWindows1252(std::string_view utf8);

class TextFile {
 public:
  // Creates the file, or empties an existing one, by a name relative to the
  // working directory at this moment. A symbolic link is never followed and
  // nothing but a regular file is ever written to.
  static TextFile Create(const std::string& name);

  TextFile(TextFile&& other) noexcept;
  TextFile& operator=(TextFile&&) = delete;
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;
  // Closes a file left open, dropping what was not flushed (an error is
  // already on its way when that happens).
  ~TextFile();

  // The line's bytes as given, then the line delimiter; kept until Flush.
  void WriteLine(std::string_view line);
  // Hands every line written so far to the system.
  void Flush();
  // Flushes and closes; the file can then no longer be written.
  void Close();

  const std::string& Path() const { return path_; }

 private:
  TextFile(int descriptor, std::string path) : fd_(descriptor), path_(std::move(path)) {}
  [[noreturn]] void Fail(const char* what, int error) const;

  int fd_ = -1;
  std::string path_;
  std::string pending_;
};

}  // namespace rt
