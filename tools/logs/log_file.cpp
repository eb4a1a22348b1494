#include "tools/logs/log_file.h"

#include "platform/ascii_text.h"
#include "tools/logs/adif_reader.h"
#include "tools/logs/cabrillo_reader.h"

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view start) {
  return text.size() >= start.size() && EqualNoCase(text.substr(0, start.size()), start);
}

// ADIF: a tag first, or a header that ends in <EOH>, or records that end in <EOR>.
bool LooksLikeAdif(std::string_view text) {
  if (text.empty()) return false;
  if (text.front() == '<') return true;
  return FindAdifTag(text, "<EOH>") != std::string_view::npos ||
         FindAdifTag(text, "<EOR>") != std::string_view::npos;
}

}  // namespace

LogFile ReadLog(std::string_view text, const SendsAreaCode& sendsAreaCode) {
  if (StartsWithNoCase(text, "\xEF\xBB\xBF")) text.remove_prefix(3);  // UTF-8 byte order mark
  const std::string_view start = TrimBlanks(text);
  if (start.empty()) return {};
  if (StartsWithNoCase(start, "START-OF-LOG:")) return ReadCabrillo(text, sendsAreaCode);
  if (LooksLikeAdif(start)) return ReadAdif(text);
  throw LogError("neither an ADIF log nor a Cabrillo log");
}
