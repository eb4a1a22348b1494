#pragma once
// GetResult0: the statistics report, rebuilt from the log on every call.

// Takes the contest lock itself and lets it go before any message box. The text stays
// valid until the next call.
const char* ProduceReport();
