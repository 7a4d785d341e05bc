#include "io/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <utility>

namespace tarnvik {
namespace {

// ".NAME.PID-COUNT-TICKS.tmp" beside the target: unique among concurrent writers, and
// created with O_EXCL so an existing file of that name is never touched.
std::filesystem::path TemporaryName(const std::filesystem::path& path, unsigned attempt) {
  static std::atomic<unsigned> counter{0};
  const auto ticks = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  char suffix[80];
  std::snprintf(suffix, sizeof suffix, ".%ld-%u-%u-%llx.tmp", static_cast<long>(::getpid()), counter++, attempt,
                ticks & 0xffffffULL);
  std::string name(1, '.');
  name.append(path.filename().string()).append(suffix);
  std::filesystem::path temporary = path;
  temporary.replace_filename(name);
  return temporary;
}

// Writes every byte, or says why not.
bool WriteAll(int fd, std::string_view bytes, std::string& error) {
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error = written < 0 ? std::strerror(errno) : "nothing could be written";
      return false;
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

PendingFile::PendingFile(PendingFile&& other) noexcept
    : path_(std::move(other.path_)),
      temporary_(std::exchange(other.temporary_, {})),
      inPlace_(std::move(other.inPlace_)),
      special_(other.special_) {}

PendingFile& PendingFile::operator=(PendingFile&& other) noexcept {
  if (this != &other) {
    Discard();
    path_ = std::move(other.path_);
    temporary_ = std::exchange(other.temporary_, {});
    inPlace_ = std::move(other.inPlace_);
    special_ = other.special_;
  }
  return *this;
}

PendingFile::~PendingFile() { Discard(); }

void PendingFile::Discard() {
  if (temporary_.empty()) return;
  ::unlink(temporary_.c_str());
  temporary_.clear();
}

bool PendingFile::Write(const std::filesystem::path& path, std::string_view bytes, std::string& error) {
  Discard();
  special_ = false;
  path_ = path;
  std::error_code failure;
  if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, failure))) {
    const std::filesystem::path target = std::filesystem::weakly_canonical(path, failure);
    if (!failure) path_ = target;
  }
  struct stat existing {};
  if (::stat(path_.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
    if (S_ISDIR(existing.st_mode)) {
      error = "the name is a folder, not a file";
      return false;
    }
    special_ = true;
    inPlace_.assign(bytes);
    return true;
  }
  if (path_.filename().empty()) {
    error = "the name is a folder, not a file";
    return false;
  }
  int fd = -1;
  std::filesystem::path temporary;
  for (unsigned attempt = 0; fd < 0 && attempt < 100; ++attempt) {
    temporary = TemporaryName(path_, attempt);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    error = std::strerror(errno);
    return false;
  }
  temporary_ = temporary;
  if (::stat(path_.c_str(), &existing) == 0) ::fchmod(fd, existing.st_mode & 07777);
  if (!WriteAll(fd, bytes, error)) {
    ::close(fd);
    Discard();
    return false;
  }
  if (::fsync(fd) != 0 && errno != EINVAL) {
    error = std::strerror(errno);
    ::close(fd);
    Discard();
    return false;
  }
  if (::close(fd) != 0) {
    error = std::strerror(errno);
    Discard();
    return false;
  }
  return true;
}

bool PendingFile::Commit(std::string& error) {
  if (special_) {
    special_ = false;
    const int fd = ::open(path_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
      error = std::strerror(errno);
      return false;
    }
    const bool written = WriteAll(fd, inPlace_, error);
    inPlace_.clear();
    if (::close(fd) != 0 && written) {
      error = std::strerror(errno);
      return false;
    }
    return written;
  }
  if (temporary_.empty()) {
    error = "nothing was written";
    return false;
  }
  if (::rename(temporary_.c_str(), path_.c_str()) != 0) {
    error = std::strerror(errno);
    Discard();
    return false;
  }
  temporary_.clear();
  return true;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, std::string& error) {
  PendingFile file;
  return file.Write(path, bytes, error) && file.Commit(error);
}

}  // namespace tarnvik
