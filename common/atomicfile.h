// Files written whole, replaced atomically: nothing is lost when the kiosk
// is killed or the disk fills while it writes one.
//
// An AtomicFile writes under a temporary name beside the file it replaces
// ("<name>.partial-XXXXXX", same folder, so the rename stays on one file
// system), flushes it to disk, gives it its permissions, then renames it over
// the old file and flushes the folder. Until Commit the old file is
// untouched; after it the new one is complete. A failure or an abandoned
// file removes the temporary; a kill leaves it behind, and
// RemovePartialFiles clears such leftovers at the next start.
//
// Exchange files, configuration, zones, reports and installation copies all
// go through here. The host calls go through an AtomicEnv, which tests
// replace to inject faults (a failing write, flush or rename; a kill).
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace kiosk {

// Host file calls; each returns like its POSIX namesake (-1 and errno set).
class AtomicEnv {
 public:
  virtual ~AtomicEnv() = default;
  // Creates a new file from a mkstemp template (the name is filled in).
  virtual int CreateTemp(std::string& pathTemplate);
  virtual ssize_t Write(int fd, const void* buf, std::size_t len);
  virtual int Sync(int fd);
  virtual int Chmod(int fd, mode_t mode);
  virtual int Close(int fd);
  virtual int Rename(const std::string& from, const std::string& to);
  virtual int Unlink(const std::string& path);
  virtual int SyncFolder(const std::string& folder);
};
// Installs env (nullptr: the default); returns the previous one.
AtomicEnv* SetAtomicEnv(AtomicEnv* env);

// The part every temporary name carries after the replaced file's name.
inline constexpr std::string_view kPartialMark = ".partial-";

class AtomicFile {
 public:
  AtomicFile() = default;
  ~AtomicFile();  // abandons a file that was not committed
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Starts replacing hostPath. The new file gets mode, or with -1 the mode
  // of the file it replaces (a new file: 0666 less the umask). False when
  // the temporary cannot be created.
  bool Open(const std::string& hostPath, int mode = -1);
  // Buffered; false once any write has failed.
  bool Write(std::string_view bytes);
  // Flushes, syncs, sets the mode and renames over the old file. False (the
  // old file untouched, the temporary removed) on any failure.
  bool Commit();
  // Drops the new contents and removes the temporary.
  void Abandon();
  bool IsOpen() const { return fd_ >= 0; }

 private:
  bool Drain();
  int fd_ = -1;
  bool failed_ = false;
  mode_t mode_ = 0;
  std::string target_, temp_, buffer_;
};

// The whole of contents as the new hostPath.
bool WriteFileAtomic(const std::string& hostPath, std::string_view contents, int mode = -1);
// A copy of the host file from, with its permissions, as the new to.
bool CopyFileAtomic(const std::string& from, const std::string& to);

// Removes the temporaries that interrupted replacements left in a host
// folder (and, with recursive, in its subfolders); returns how many.
int RemovePartialFiles(const std::string& hostFolder, bool recursive = false);
// True when a file name is such a temporary.
bool IsPartialName(std::string_view fileName);

}  // namespace kiosk
