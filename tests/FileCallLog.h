#pragma once
// Records the system calls by which rt::TextFile reaches the disk while it
// lives, passing each on to the system, and can make one of them fail.

#include <fcntl.h>

#include <cerrno>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "runtime/TextFile.h"

namespace testing_support {

class FileCallLog {
 public:
  FileCallLog() : previous_(rt::SetFileCalls({Open, Write, Fsync, Close, Rename})) { current_ = this; }
  ~FileCallLog() {
    rt::SetFileCalls(previous_);
    current_ = nullptr;
  }
  FileCallLog(const FileCallLog&) = delete;
  FileCallLog& operator=(const FileCallLog&) = delete;

  // Every call in order, as "<call> <what>": "temporary" for the file opened
  // to be created, "folder <path>" for a folder opened to be synced, and
  // "rename temporary to <name>".
  const std::vector<std::string>& Calls() const { return calls_; }
  // The same with each run of one entry (the writes of a file) as one.
  std::vector<std::string> Steps() const {
    std::vector<std::string> steps;
    for (const std::string& call : calls_)
      if (steps.empty() || steps.back() != call) steps.push_back(call);
    return steps;
  }
  // The bytes handed to the system by the writes of the temporary file.
  std::size_t BytesWritten() const { return written_; }
  // The next call whose entry reads `call` fails with `error` and does nothing.
  void FailNext(std::string call, int error) {
    failing_ = std::move(call);
    error_ = error;
  }

 private:
  // Records the entry; true when the call is to fail (errno then set).
  bool Record(std::string entry) {
    calls_.push_back(entry);
    if (entry != failing_) return false;
    failing_.clear();
    errno = error_;
    return true;
  }
  std::string Target(int descriptor) const {
    const auto it = targets_.find(descriptor);
    return it == targets_.end() ? "descriptor " + std::to_string(descriptor) : it->second;
  }

  static int Open(const char* path, int flags, mode_t mode) {
    const std::string target = (flags & O_DIRECTORY) ? "folder " + std::string(path) : "temporary";
    if (current_->Record("open " + target)) return -1;
    const int descriptor = rt::SystemFileCalls().open(path, flags, mode);
    if (descriptor >= 0) current_->targets_[descriptor] = target;
    if (descriptor >= 0 && !(flags & O_DIRECTORY)) current_->temporary_ = path;
    return descriptor;
  }
  static ssize_t Write(int descriptor, const void* bytes, std::size_t count) {
    if (current_->Record("write " + current_->Target(descriptor))) return -1;
    const ssize_t written = rt::SystemFileCalls().write(descriptor, bytes, count);
    if (written > 0) current_->written_ += static_cast<std::size_t>(written);
    return written;
  }
  static int Fsync(int descriptor) {
    if (current_->Record("fsync " + current_->Target(descriptor))) return -1;
    return rt::SystemFileCalls().fsync(descriptor);
  }
  static int Close(int descriptor) {
    const bool fails = current_->Record("close " + current_->Target(descriptor));
    current_->targets_.erase(descriptor);
    // The descriptor is released even so, as the system does.
    const int result = rt::SystemFileCalls().close(descriptor);
    if (!fails) return result;
    errno = current_->error_;
    return -1;
  }
  static int Rename(const char* from, const char* to) {
    const std::string source = from == current_->temporary_ ? "temporary" : from;
    if (current_->Record("rename " + source + " to " + to)) return -1;
    return rt::SystemFileCalls().rename(from, to);
  }

  static inline FileCallLog* current_ = nullptr;
  rt::FileCalls previous_;
  std::vector<std::string> calls_;
  std::map<int, std::string> targets_;
  std::string temporary_;  // the path of the file opened to be created
  std::size_t written_ = 0;
  std::string failing_;
  int error_ = 0;
};

}  // namespace testing_support
