#pragma once
// Every test runs in a fresh folder of its own: the plug-in writes its files into the
// current folder, and its settings into Plugins/UK_EI.ini below it.

#include <string>

class TempFolder {
 public:
  TempFolder();   // creates the folder with its Plugins subfolder and enters it
  ~TempFolder();  // leaves and removes it
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string previous_;
  std::string path_;
};

// The whole file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
