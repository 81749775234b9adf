#include "common/hostpath.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <vector>

namespace kiosk {
namespace {

std::string& Folder() {
  static std::string folder = ".";
  return folder;
}

bool Exists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

// The on-disk spelling of `part` inside `dir`, or `part` itself.
std::string MatchPart(const std::string& dir, const std::string& part) {
  std::string exact = dir.empty() ? part : dir + "/" + part;
  if (part == "." || part == ".." || Exists(exact)) return part;
  DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
  if (!d) return part;
  std::string found = part;
  while (dirent* e = ::readdir(d)) {
    if (::strcasecmp(e->d_name, part.c_str()) == 0) {
      found = e->d_name;
      break;
    }
  }
  ::closedir(d);
  return found;
}

}  // namespace

void SetWorkFolder(std::string_view folder) { Folder() = folder.empty() ? "." : std::string(folder); }
const std::string& WorkFolder() { return Folder(); }

std::string HostPath(std::string_view systemName) {
  std::string name(systemName);
  for (char& c : name)
    if (c == '\\') c = '/';
  bool absolute = !name.empty() && name[0] == '/';

  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= name.size()) {
    std::size_t slash = name.find('/', start);
    if (slash == std::string::npos) slash = name.size();
    if (slash > start) parts.push_back(name.substr(start, slash - start));
    start = slash + 1;
  }

  std::string path = absolute ? std::string("/") : Folder();
  if (absolute) path.clear();
  for (const std::string& part : parts) {
    std::string dir = absolute && path.empty() ? std::string("/") : path;
    std::string matched = MatchPart(dir, part);
    if (absolute && path.empty())
      path = "/" + matched;
    else
      path = path + "/" + matched;
  }
  if (path.empty()) path = absolute ? "/" : Folder();
  return path;
}

}  // namespace kiosk
