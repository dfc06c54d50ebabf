#include "driver/output_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "base/printable.h"

namespace bentpier {
namespace {

namespace fs = std::filesystem;

// Temporary files to remove when the run is interrupted. A signal handler may
// only use what is async-signal-safe, so the names sit in fixed storage that
// the handler walks and unlinks. This table is the program's one piece of
// process-wide state: it belongs to the process, not to a problem.
constexpr int kCleanupSlots = 8;
constexpr size_t kCleanupPathLength = 4096;
struct CleanupSlot {
  volatile sig_atomic_t used = 0;
  char path[kCleanupPathLength] = {};
};
CleanupSlot cleanup_slots[kCleanupSlots];

extern "C" void removeTemporariesAndReraise(int signo) {
  for (CleanupSlot& slot : cleanup_slots)
    if (slot.used) ::unlink(slot.path);
  // SA_RESETHAND restored the default action: the process ends by the signal.
  ::raise(signo);
}

void installCleanupHandlers() {
  static const bool installed = [] {
    for (const int signo : {SIGINT, SIGTERM}) {
      struct sigaction old {};
      if (::sigaction(signo, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
      struct sigaction act {};
      act.sa_handler = removeTemporariesAndReraise;
      sigemptyset(&act.sa_mask);
      act.sa_flags = SA_RESETHAND;
      ::sigaction(signo, &act, nullptr);
    }
    return true;
  }();
  (void)installed;
}

// The slot holding `path`, or -1 when the table is full or the name too long
// (the file is then only removed on an ordinary failure).
int registerTemporary(const std::string& path) {
  if (path.size() >= kCleanupPathLength) return -1;
  for (int i = 0; i < kCleanupSlots; ++i) {
    CleanupSlot& slot = cleanup_slots[i];
    if (slot.used) continue;
    std::memcpy(slot.path, path.c_str(), path.size() + 1);
    slot.used = 1;
    return i;
  }
  return -1;
}

void releaseTemporary(int slot) {
  if (slot >= 0) cleanup_slots[slot].used = 0;
}

std::string errnoText(int error) { return std::strerror(error); }

mode_t currentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// The file a name leads to: symbolic links followed, each relative to the
// folder of the link. A dangling link leads to the name it holds.
fs::path followLinks(const fs::path& name) {
  fs::path at = name;
  std::error_code ec;
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(at, ec)); ++hops) {
    const fs::path next = fs::read_symlink(at, ec);
    if (ec) break;
    at = next.is_absolute() ? next : at.parent_path() / next;
  }
  return at;
}

// A stream buffer over a file descriptor that remembers the first write
// error, so that the reason can be told.
class DescriptorBuffer : public std::streambuf {
 public:
  explicit DescriptorBuffer(int fd) : fd_(fd) { setp(buffer_, buffer_ + sizeof buffer_); }
  int error() const { return error_; }

 protected:
  int_type overflow(int_type c) override {
    if (!drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override { return drain() ? 0 : -1; }

 private:
  bool drain() {
    const char* from = pbase();
    while (from < pptr() && error_ == 0) {
      const ssize_t n = ::write(fd_, from, static_cast<size_t>(pptr() - from));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) error_ = n < 0 ? errno : EIO;
      else from += n;
    }
    setp(buffer_, buffer_ + sizeof buffer_);
    return error_ == 0;
  }

  int fd_;
  int error_ = 0;
  char buffer_[1 << 16];
};

}  // namespace

struct OutputFile::Impl {
  fs::path destination;  // the file finally written (links followed)
  std::string temporary;  // empty when the destination is written directly
  int slot = -1;
  int fd = -1;
  mode_t mode = 0;
  std::unique_ptr<DescriptorBuffer> buffer;
  std::unique_ptr<std::ostream> stream;

  void discard() {
    stream.reset();
    buffer.reset();
    if (fd >= 0) ::close(fd);
    fd = -1;
    if (!temporary.empty()) ::unlink(temporary.c_str());
    releaseTemporary(slot);
    slot = -1;
    temporary.clear();
  }
};

OutputFile::OutputFile(std::string target, std::string what)
    : target_(std::move(target)), what_(std::move(what)) {}

OutputFile::~OutputFile() {
  if (impl_) impl_->discard();
}

std::string OutputFile::admit(const std::string& input_path, Existing existing) const {
  struct stat out {};
  if (::stat(target_.c_str(), &out) != 0) return {};  // nothing there yet
  struct stat in {};
  if (::stat(input_path.c_str(), &in) == 0 && in.st_dev == out.st_dev && in.st_ino == out.st_ino)
    return "output file '" + printable(target_) + "' is the input file '" +
           printable(input_path) + "' itself; it is left as it is";
  if (existing == Existing::Refuse)
    return "output file '" + printable(target_) +
           "' already exists (use --overwrite to replace it)";
  return {};
}

std::string OutputFile::open() {
  const std::string named = "cannot write " + what_ + " '" + printable(target_) + "': ";
  impl_ = std::make_unique<Impl>();
  Impl& im = *impl_;
  im.destination = followLinks(target_);
  struct stat st {};
  const bool exists = ::stat(im.destination.c_str(), &st) == 0;
  if (exists && S_ISDIR(st.st_mode)) return named + "it is a directory";

  if (exists && !S_ISREG(st.st_mode)) {
    // A device or a pipe: written where it is, never replaced.
    im.fd = ::open(im.destination.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (im.fd < 0) return named + errnoText(errno);
  } else {
    installCleanupHandlers();
    const fs::path folder = im.destination.parent_path();
    std::string pattern =
        (folder / (std::string(".") += im.destination.filename().string() + ".XXXXXX")).string();
    im.fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (im.fd < 0) return named + "cannot create it: " + errnoText(errno);
    im.temporary = pattern;
    im.slot = registerTemporary(im.temporary);
    im.mode = exists ? (st.st_mode & 07777) : (0666 & ~currentUmask());
  }
  im.buffer = std::make_unique<DescriptorBuffer>(im.fd);
  im.stream = std::make_unique<std::ostream>(im.buffer.get());
  return {};
}

std::ostream& OutputFile::stream() { return *impl_->stream; }

std::string OutputFile::commit() {
  const std::string named = "cannot write " + what_ + " '" + printable(target_) + "': ";
  Impl& im = *impl_;
  im.stream->flush();
  int error = im.buffer->error();
  if (error == 0 && !im.temporary.empty()) {
    if (::fchmod(im.fd, im.mode) != 0 || ::fsync(im.fd) != 0) error = errno;
  }
  if (::close(im.fd) != 0 && error == 0 && errno != EINTR) error = errno;
  im.fd = -1;
  if (error != 0) {
    im.discard();
    return named + errnoText(error);
  }
  if (!im.temporary.empty()) {
    if (::rename(im.temporary.c_str(), im.destination.c_str()) != 0) {
      error = errno;
      im.discard();
      return named + errnoText(error);
    }
    releaseTemporary(im.slot);
    im.slot = -1;
    im.temporary.clear();
  }
  im.stream.reset();
  im.buffer.reset();
  return {};
}

}  // namespace bentpier
