#pragma once
// The calls known to be active, from the check-partial file contesters keep (MASTER.SCP:
// one call a line, "#" comments), and the one known call near an unknown one. The near
// calls are found by lookups of the call's one-edit variants, never by a scan of the file.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "contest/text_numbers.h"

class KnownCallsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The call without portable and other affixes: "G4ABC" of "DL/G4ABC/P".
std::string_view BaseCall(std::string_view call);

class KnownCalls {
 public:
  KnownCalls() = default;  // knows no call
  // Knows no call yet, with room for about this many of about 8 characters.
  explicit KnownCalls(size_t expected) { calls_.Reserve(expected, expected * 8); }
  // Throws KnownCallsError when the file cannot be read.
  static KnownCalls Load(const std::string& path);
  // From the file's text.
  static KnownCalls FromText(std::string_view text);

  // Whether the base call is known (upper case).
  bool Contains(std::string_view baseCall) const;
  size_t size() const;

  // Every known call one edit away from `baseCall` (a character changed, added or dropped,
  // or two neighbours swapped), each once; `more` is searched too (upper case).
  std::vector<std::string> NearCalls(std::string_view baseCall, const KnownCalls* more) const;

  // The call's index, in the order added; a call added before keeps its index.
  size_t Add(std::string_view baseCall);
  std::string_view operator[](size_t index) const;

 private:
  TextNumbers calls_;
};
