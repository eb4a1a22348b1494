#include "platform/memory_prefault.h"

// Windows offers no call that backs fresh committed memory at once: its pages come as they
// are first written.
void PrefaultForWriting(void*, size_t) {}
