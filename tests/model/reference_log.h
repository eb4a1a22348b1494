#pragma once
// A deliberately plain model of the contest log, written straight from the contest's rules:
// a vector of QSOs scanned from the first record for every question, no indexes. The
// differential test plays the same calls through the plug-in and through this model.

#include <string>
#include <vector>

#include "platform/ole_date.h"

struct ModelQso {
  std::string call, prefix, continent, band, mode, rstReceived, rstSent;
  std::string exchangeReceived, exchangeSent, areaCode;
  int frequencyKhz = 0;
  bool isDupe = false;
  OleDate time;
};

struct ModelStation {
  std::string ownCall, ownPrefix, ownContinent;
  OleDate start, end;
};

struct ModelReport {
  std::string text;
  long long score = 0;
  // The worked lists of the band slots the report rebuilt; other slots are not listed.
  std::vector<std::vector<std::string>> dxccBySlot, areasBySlot;
  std::vector<bool> slotRebuilt;
};

struct ModelQsoInput {
  std::string ownCall, call;
  OleDate time;
  unsigned frequencyHz = 0;
  std::string mode, rstSent, rstReceived, sentNumber, exchange, prefix, continent, band;
};

class ReferenceLog {
 public:
  // settingsAreaCode and settingsMode are what the INI file holds at the reset.
  void Reset(const ModelStation& station, const std::string& settingsAreaCode, bool cwLeg);
  int Add(const ModelQsoInput& qso);
  int Remove(const ModelQsoInput& qso);
  int Check(const std::string& call, const std::string& mode, const std::string& prefix,
            const std::string& band) const;
  // The statistics report; puts bandsSeen into report order as the plug-in does.
  ModelReport Report(bool exportRun);

  const std::vector<ModelQso>& log() const { return log_; }
  const std::vector<std::string>& bandsSeen() const { return bandsSeen_; }
  const std::string& statsFileName() const { return statsFileName_; }
  // What the problem-line file must hold, header included.
  const std::string& statsFile() const { return statsFile_; }

 private:
  void Problem(const ModelQsoInput& qso, const std::string& tail);

  std::vector<ModelQso> log_;
  std::vector<std::string> bandsSeen_;
  ModelStation station_;
  bool cwLeg_ = false;
  bool ukEiStation_ = false;
  std::string ownAreaCode_;
  std::string statsFileName_;
  std::string statsFile_;
};
