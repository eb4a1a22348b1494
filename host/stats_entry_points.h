#pragma once
// The plug-in's ten entry points as a host reaches them: linked into the program, or bound
// by name in a library it loaded (host/stats_library.h).

#include "plugin/entry_points.h"

struct StatsEntryPoints {
  decltype(&::GetNumberOfSets) GetNumberOfSets = nullptr;
  decltype(&::GetSetName) GetSetName = nullptr;
  decltype(&::SetupSet0) SetupSet0 = nullptr;
  decltype(&::ResetStats0) ResetStats0 = nullptr;
  decltype(&::AddData0) AddData0 = nullptr;
  decltype(&::RemoveData0) RemoveData0 = nullptr;
  decltype(&::CheckCall0) CheckCall0 = nullptr;
  decltype(&::IsValidExchg0) IsValidExchg0 = nullptr;
  decltype(&::GetExchgCount0) GetExchgCount0 = nullptr;
  decltype(&::GetResult0) GetResult0 = nullptr;
};

// The entry points linked into this program: only a program that links the plug-in may
// use them.
inline const StatsEntryPoints& LinkedStats() {
  static const StatsEntryPoints linked{
      &::GetNumberOfSets, &::GetSetName, &::SetupSet0,     &::ResetStats0,    &::AddData0,
      &::RemoveData0,     &::CheckCall0, &::IsValidExchg0, &::GetExchgCount0, &::GetResult0};
  return linked;
}
