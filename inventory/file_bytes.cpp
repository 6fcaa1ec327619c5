#include "inventory/file_bytes.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

#include "inventory/error.h"

namespace inventory {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string reason(int error) {
  return std::generic_category().message(error);
}

// Reads up to `limit` bytes into `out` (a string or a byte vector); false
// with errno set when reading fails.
template <typename Bytes>
bool readUpTo(std::FILE* file, std::size_t limit, Bytes& out) {
  char buffer[8192];
  while (out.size() < limit) {
    const std::size_t wanted = std::min(sizeof buffer, limit - out.size());
    const std::size_t got = std::fread(buffer, 1, wanted, file);
    out.insert(out.end(), buffer, buffer + got);
    if (got < wanted) return !std::ferror(file);
  }
  return true;
}

}  // namespace

std::vector<std::uint8_t> readFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
  errno = 0;
  const File file(std::fopen(path.string().c_str(), "rb"));
  if (!file) throw InventoryError("cannot read " + path.string() + ": " + reason(errno));
  std::vector<std::uint8_t> bytes;
  if (!readUpTo(file.get(), maxBytes + 1, bytes)) {
    throw InventoryError("cannot read " + path.string() + ": " + reason(errno));
  }
  if (bytes.size() > maxBytes) {
    throw InventoryError("cannot read " + path.string() + ": larger than " + std::to_string(maxBytes >> 20) +
                         " MiB, too large for an SMBIOS table");
  }
  return bytes;
}

std::optional<std::string> readTextFile(const std::filesystem::path& path, std::size_t maxBytes) {
  const File file(std::fopen(path.string().c_str(), "rb"));
  std::string text;
  if (!file || !readUpTo(file.get(), maxBytes, text)) return std::nullopt;
  return text;
}

}  // namespace inventory
