#include "host/stats_library.h"

#include "host/shared_library.h"

// The decorated names are those of plugin/Stats.def.
const std::array<StatsLibrary::ExportNames, 10> StatsLibrary::kExports = {{
    {"GetNumberOfSets", "?GetNumberOfSets@@YAHXZ"},
    {"GetSetName", "?GetSetName@@YAPBDH@Z"},
    {"SetupSet0", "?SetupSet0@@YAXXZ"},
    {"ResetStats0", "?ResetStats0@@YAHPBDH0PAVCOleDateTime@@10000000000HHHNN000@Z"},
    {"AddData0", "?AddData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"},
    {"RemoveData0", "?RemoveData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z"},
    {"CheckCall0", "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z"},
    {"IsValidExchg0", "?StatsIsValidExchg0@@YAHPBD000HHH@Z"},
    {"GetExchgCount0", "?StatsGetExchgCount0@@YAHPBD00@Z"},
    {"GetResult0", "?GetResult0@@YAPBDPAH@Z"},
}};

StatsLibrary::StatsLibrary(const std::string& path, Names names) : path_(path) {
  std::string reason;
  library_ = shared_library::Open(path, reason);
  if (library_ == nullptr) throw StatsLibraryError("cannot load " + path + ": " + reason);
  try {
    Bind(GetNumberOfSets, kExports[0], names);
    Bind(GetSetName, kExports[1], names);
    Bind(SetupSet0, kExports[2], names);
    Bind(ResetStats0, kExports[3], names);
    Bind(AddData0, kExports[4], names);
    Bind(RemoveData0, kExports[5], names);
    Bind(CheckCall0, kExports[6], names);
    Bind(IsValidExchg0, kExports[7], names);
    Bind(GetExchgCount0, kExports[8], names);
    Bind(GetResult0, kExports[9], names);
  } catch (...) {
    shared_library::Close(library_);
    throw;
  }
}

StatsLibrary::~StatsLibrary() {
  shared_library::Close(library_);
}

void* StatsLibrary::Symbol(const char* name) const {
  return shared_library::Find(library_, name);
}

template <typename Function>
void StatsLibrary::Bind(Function& entry, const ExportNames& names, Names which) {
  const char* name = which == Names::kPlain ? names.plain : names.decorated;
  void* address = Symbol(name);
  if (address == nullptr) throw StatsLibraryError(path_ + " does not export " + name);
  entry = reinterpret_cast<Function>(address);
}
