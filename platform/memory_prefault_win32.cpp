#include "platform/memory_prefault.h"

// Windows offers no call that backs fresh committed memory at once, nor huge pages without
// a privilege the user must be granted: its pages come as they are first written.
void PrefaultForWriting(void*, size_t) {}
void AdviseLargePages(void*, size_t) {}
