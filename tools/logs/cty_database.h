#pragma once
// The ham community's country file (cty.dat): which DXCC entity and continent a call sign
// belongs to. Entities marked with a leading "*" are not on the DXCC list (Shetland,
// Sicily, ...): a call placed there keeps that place's continent but counts for the DXCC
// entity underneath, so a Shetland station is a Scottish one (prefix "GM").

#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CtyError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Placement {
  std::string prefix;     // DXCC prefix of the entity ("G", "GM", "K"); empty when not placed
  std::string continent;  // two letters ("EU", "NA", ...); empty when not placed
  bool placed() const { return !prefix.empty(); }
};

class CtyDatabase {
 public:
  // Reads the file; throws CtyError when it cannot be read or is no country file.
  static CtyDatabase Load(const std::string& path);
  // `source` names the text in error messages.
  static CtyDatabase Parse(std::string_view text, const std::string& source);

  // Exact-call entries first, then the longest matching prefix; portable calls by the
  // part that names the location (DL/G4ABC, G4ABC/DL), by the call itself for suffixes
  // such as /P, /M, /QRP, special-event numbers (/70) and suffixes that are no prefix, by
  // a changed call area for W1ABC/4. Maritime and aeronautical mobiles (/MM, /AM) are in
  // no entity and are not placed.
  Placement Resolve(std::string_view call) const;

 private:
  struct Entity {
    std::string prefix;  // without the "*"
    bool isDxcc;
  };
  struct Entry {
    int entity;
    std::string continent;  // the entity's, or the entry's own override
  };
  // What one call or prefix leads to: the place (any entity, the most specific one) and
  // the DXCC entity (DXCC-list entities only). -1 where there is none. One walk of a call
  // finds both.
  struct Slot {
    int place = -1;
    int dxcc = -1;
    bool complete() const { return place >= 0 && dxcc >= 0; }
    // Takes from `other` what this one lacks.
    void Complete(const Slot& other);
  };

  void Add(std::unordered_map<std::string, Slot>& table, const std::string& key, Entry entry);
  Slot Lookup(const std::string& call) const;
  Slot LookupPortable(const std::string& call) const;
  Slot LongestPrefix(const std::string& text) const;

  std::vector<Entity> entities_;
  std::vector<Entry> entries_;
  std::unordered_map<std::string, Slot> exactCalls_;
  std::unordered_map<std::string, Slot> prefixes_;
  size_t longestPrefix_ = 0;
};
