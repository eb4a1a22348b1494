#include "tools/logs/whole_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/file_replace.h"
#include "platform/memory_prefault.h"

std::string ReadWholeFile(const std::string& path) {
  const std::filesystem::path file = std::filesystem::u8path(path);
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  if (status.type() == std::filesystem::file_type::not_found) throw FileError("no such file");
  if (status.type() == std::filesystem::file_type::directory) {
    throw FileError("a folder, not a file");
  }
  errno = 0;
  std::ifstream in(file, std::ios::binary | std::ios::ate);
  if (!in) {
    throw FileError(std::string("cannot be read: ") +
                    (errno != 0 ? std::strerror(errno) : "unknown reason"));
  }
  const std::streamoff size = in.tellg();
  if (size < 0) throw FileError("cannot be read: not a plain file");
  std::string bytes;
  bytes.reserve(static_cast<size_t>(size));
  PrefaultForWriting(bytes.data(), static_cast<size_t>(size));
  bytes.resize(static_cast<size_t>(size));
  in.seekg(0);
  if (!in.read(bytes.data(), size)) throw FileError("cannot be read to its end");
  return bytes;
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  errno = 0;
  if (!ReplaceFileWhole(std::filesystem::u8path(path), bytes)) {
    throw FileError(std::string("cannot be written: ") +
                    (errno != 0 ? std::strerror(errno) : "unknown reason"));
  }
}
