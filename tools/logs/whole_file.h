#pragma once
// A whole file read or written at once, as bytes. Its name is in UTF-8, on Windows too.

#include <stdexcept>
#include <string>

class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws FileError saying why the file cannot be read: missing, a folder, or the
// system's reason.
std::string ReadWholeFile(const std::string& path);

// Replaces the file whole, or leaves it as it was and throws FileError saying why.
void WriteWholeFile(const std::string& path, const std::string& bytes);
