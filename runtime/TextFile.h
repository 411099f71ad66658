#pragma once
// Text files written line by line, and the Windows-1252 conversion of their
// lines. Every operation is checked: a failure throws std::runtime_error
// with the file's full path and the system's reason.

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace rt {

// The system calls by which a TextFile reaches the disk, in one table, so
// that a test can see their order or make one of them fail. Each has the
// arguments, result and errno of the system call of its name.
struct FileCalls {
  int (*open)(const char* path, int flags, mode_t mode);
  ssize_t (*write)(int descriptor, const void* bytes, std::size_t count);
  int (*fsync)(int descriptor);
  int (*close)(int descriptor);
  int (*rename)(const char* from, const char* to);
};
// The system's own calls.
FileCalls SystemFileCalls();
// Puts `calls` in place for every TextFile from now on; returns those it
// replaces.
FileCalls SetFileCalls(const FileCalls& calls);

// The Windows-1252 bytes of a UTF-8 text. A character that Windows-1252
// cannot hold, or bytes that are not UTF-8, throw std::runtime_error: a line
// is never written with characters silently dropped.
std::string ToWindows1252(std::string_view utf8);

// The full path of a name relative to the working directory at this moment.
std::string FullPath(const std::string& name);

// A file written whole or not at all. The lines go to a new file of a
// passing name in the same folder; Close forces it onto the disk and puts it
// in place under the file's name in one step, then forces the folder onto the
// disk too, so that a power cut afterwards cannot bring the old file back.
// Until then, and whenever writing fails, whatever had the name keeps it
// unchanged, and a failed file is removed again. Replacing
// takes the name only: another name of the same file (a hard link) keeps the
// old content. A file-size limit is an error like any other, never a signal
// that ends the program.
class TextFile {
 public:
  // True when a regular file has the name (relative to the working directory
  // at this moment), false when nothing has it. A name that cannot be written
  // throws, as Create would: a symbolic link (never followed), what is not a
  // regular file, a file without write permission.
  static bool Exists(const std::string& name);
  // Starts the file that will take the name; the checks of Exists apply.
  static TextFile Create(const std::string& name);

  TextFile(TextFile&& other) noexcept;
  TextFile& operator=(TextFile&&) = delete;
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;
  // A file not closed is removed; the name keeps what it had.
  ~TextFile();

  // The line's bytes as given, then the line delimiter; kept until Flush.
  void WriteLine(std::string_view line);
  // Hands every line written so far to the system.
  void Flush();
  // Flushes, forces the file onto the disk, closes it, puts it in place
  // under its name and forces the folder's new entry onto the disk; the file
  // can then no longer be written. A folder that cannot be forced onto the
  // disk throws, although the file is in place (a file system that cannot
  // force folders at all is no error).
  void Close();

  // The full path of the name.
  const std::string& Path() const { return path_; }

 private:
  TextFile(int descriptor, std::string name, std::string path, std::string temporary)
      : fd_(descriptor), name_(std::move(name)), path_(std::move(path)), temporary_(std::move(temporary)) {}
  // Closes and removes the unfinished file, then throws.
  [[noreturn]] void Fail(const char* what, int error);
  void Discard() noexcept;
  void SyncFolder() const;

  int fd_ = -1;
  std::string name_;       // as given
  std::string path_;       // its full path
  std::string temporary_;  // the file written, until it takes the name
  std::string pending_;
};

}  // namespace rt
