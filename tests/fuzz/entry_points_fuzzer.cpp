// libFuzzer target: turns its input into a sequence of entry-point calls with arbitrary
// texts, lengths, bytes, numbers and dates, as a misbehaving host might make them.

#include <fuzzer/FuzzedDataProvider.h>

#include <filesystem>
#include <string>

#include "host/host_calls.h"

namespace {

struct FuzzHost {
  explicit FuzzHost(FuzzedDataProvider& data) : data_(data) {}

  // A text, sometimes missing altogether.
  const char* Text() {
    if (data_.ConsumeIntegralInRange<int>(0, 15) == 0) return nullptr;
    texts_[next_ % kTexts] = data_.ConsumeRandomLengthString(64);
    return texts_[next_++ % kTexts].c_str();
  }

  OleDate Date() {
    return OleDate{data_.ConsumeFloatingPoint<double>(), data_.ConsumeIntegralInRange<int>(-1, 3)};
  }

  // What AddData0 and RemoveData0 read; a braced list takes its values in order.
  Qso AnyQso() {
    return {Text(), Text(), Text(),
            Text(), Text(), Date(),
            Text(), Text(), data_.ConsumeIntegral<unsigned>(),
            Text(), Text(), Text()};
  }

  void Call() {
    switch (data_.ConsumeIntegralInRange<int>(0, 7)) {
      case 0:
        Reset({Text(), Text(), Text(), data_.ConsumeIntegralInRange<int>(0, 1), Text(), Date(),
               Date()});
        break;
      case 1:
      case 2:
        Add(AnyQso());
        break;
      case 3:
        Remove(AnyQso());
        break;
      case 4: {
        char output[100];
        Check(Text(), Text(), Text(), Text(), Text(), data_.ConsumeBool() ? output : nullptr);
        break;
      }
      case 5:
        IsValidExchg0(Text(), Text(), Text(), Text(), 0, 0, data_.ConsumeIntegral<int>());
        break;
      case 6: {
        int status = 0;
        if (GetResult0(data_.ConsumeBool() ? &status : nullptr) == nullptr) __builtin_trap();
        break;
      }
      default:
        GetSetName(data_.ConsumeIntegral<int>());
        GetExchgCount0(Text(), Text(), Text());
        break;
    }
  }

 private:
  static constexpr size_t kTexts = 64;
  FuzzedDataProvider& data_;
  std::string texts_[kTexts];
  size_t next_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The plug-in writes into the current folder: give it one of its own (so corpus folders
  // must be given with absolute paths).
  const auto folder = std::filesystem::temp_directory_path() / "stats-entry-points-fuzz";
  std::filesystem::create_directories(folder / "Plugins");
  std::filesystem::current_path(folder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  FuzzHost host(data);
  for (int calls = 0; calls < 64 && data.remaining_bytes() > 0; ++calls) host.Call();
  return 0;
}
