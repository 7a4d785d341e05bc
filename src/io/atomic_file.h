// Writing a file so that it is either replaced whole or left as it was: the bytes go to a
// temporary file of a unique name in the same folder, which is renamed over the target only
// once complete. An existing target keeps its permissions; a symbolic link keeps pointing
// at it (the file it names is replaced); no other file is touched. A device or a pipe
// (/dev/stdout, say) cannot be replaced and is written in place when committed.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarnvik {

// A file written under a temporary name and not yet in place. Its destructor removes the
// temporary file unless it was committed.
class PendingFile {
 public:
  PendingFile() = default;
  PendingFile(PendingFile&& other) noexcept;
  PendingFile& operator=(PendingFile&& other) noexcept;
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;
  ~PendingFile();

  // Writes `bytes` under a temporary name beside `path`. False, with the reason in words
  // in `error` ("No such file or directory"), when that fails; nothing is left behind.
  bool Write(const std::filesystem::path& path, std::string_view bytes, std::string& error);

  // Renames the temporary file over the target. False, with the reason, when that fails;
  // the target is then as it was.
  bool Commit(std::string& error);

  const std::filesystem::path& path() const { return path_; }

 private:
  void Discard();

  std::filesystem::path path_;
  std::filesystem::path temporary_;
  std::string inPlace_;  // the bytes for a device or a pipe, written at the commit
  bool special_ = false;
};

// Write and commit in one step.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, std::string& error);

}  // namespace tarnvik
