#pragma once
// The ten functions the host calls, with the C calling convention. The Windows DLL also
// exports each under the name the host's 32-bit compiler gives its declaration (Stats.def).

#include "platform/ole_date.h"

#if defined(_WIN32)
#define STATS_API extern "C" __cdecl
#else
#define STATS_API extern "C" __attribute__((visibility("default")))
#endif

using Text = const char*;

STATS_API int GetNumberOfSets();
STATS_API Text GetSetName(int set);
STATS_API void SetupSet0();
STATS_API int ResetStats0(Text hostFolder, int cabrilloExport, Text ownCall, OleDate* contestStart,
                          OleDate* contestEnd, Text, Text, Text, Text, Text, Text, Text, Text, Text,
                          Text ownPrefix, int, int, int, double, double, Text, Text ownContinent,
                          Text);
STATS_API int AddData0(Text ownCall, Text call, OleDate* time, OleDate*, OleDate*, OleDate*,
                       unsigned, unsigned frequencyHz, Text mode, Text rstSent, Text rstReceived,
                       Text sentNumber, Text exchange, Text, Text, Text, Text, Text, Text, Text,
                       Text, Text, Text prefix, int, int, int, double, double, Text, Text continent,
                       Text, Text band, Text);
STATS_API int RemoveData0(Text ownCall, Text call, OleDate* time, OleDate*, OleDate*, OleDate*,
                          unsigned, unsigned frequencyHz, Text mode, Text rstSent, Text rstReceived,
                          Text sentNumber, Text exchange, Text, Text, Text, Text, Text, Text, Text,
                          Text, Text, Text prefix, int, int, int, double, double, Text,
                          Text continent, Text, Text band, Text);
STATS_API int CheckCall0(Text call, unsigned, unsigned, Text mode, Text, Text, Text, Text, Text,
                         Text, Text, Text, Text, Text prefix, int, int, int, double, double, Text,
                         Text, Text, Text, Text, Text band, Text secondBand, char* output, char*);
STATS_API int IsValidExchg0(Text exchange, Text, Text prefix, Text, int, int, int flag);
STATS_API int GetExchgCount0(Text, Text, Text);
STATS_API Text GetResult0(int* status);
