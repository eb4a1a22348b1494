// The entry points as the host's 32-bit compiler sees them. Compiled for the Microsoft
// ABI, the symbol names are the decorated names the DLL must export.
class COleDateTime;
int __cdecl GetNumberOfSets();
char const* __cdecl GetSetName(int);
void __cdecl SetupSet0();
int __cdecl ResetStats0(char const*, int, char const*, COleDateTime*, COleDateTime*, char const*,
                        char const*, char const*, char const*, char const*, char const*,
                        char const*, char const*, char const*, char const*, int, int, int, double,
                        double, char const*, char const*, char const*);
int __cdecl AddData0(char const*, char const*, COleDateTime*, COleDateTime*, COleDateTime*,
                     COleDateTime*, unsigned int, unsigned int, char const*, char const*,
                     char const*, char const*, char const*, char const*, char const*, char const*,
                     char const*, char const*, char const*, char const*, char const*, char const*,
                     char const*, int, int, int, double, double, char const*, char const*,
                     char const*, char const*, char const*);
int __cdecl RemoveData0(char const*, char const*, COleDateTime*, COleDateTime*, COleDateTime*,
                        COleDateTime*, unsigned int, unsigned int, char const*, char const*,
                        char const*, char const*, char const*, char const*, char const*,
                        char const*, char const*, char const*, char const*, char const*,
                        char const*, char const*, char const*, int, int, int, double, double,
                        char const*, char const*, char const*, char const*, char const*);
int __cdecl CheckCallFunc0(char const*, unsigned int, unsigned int, char const*, char const*,
                           char const*, char const*, char const*, char const*, char const*,
                           char const*, char const*, char const*, char const*, int, int, int,
                           double, double, char const*, char const*, char const*, char const*,
                           char const*, char const*, char const*, char*, char*);
int __cdecl StatsIsValidExchg0(char const*, char const*, char const*, char const*, int, int, int);
int __cdecl StatsGetExchgCount0(char const*, char const*, char const*);
char const* __cdecl GetResult0(int*);
// Calls make the compiler emit the declarations.
void use() {
  GetNumberOfSets();
  GetSetName(0);
  SetupSet0();
  ResetStats0(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  AddData0(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
           0, 0, 0);
  RemoveData0(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
              0, 0, 0, 0);
  CheckCallFunc0(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                 0);
  StatsIsValidExchg0(0, 0, 0, 0, 0, 0, 0);
  StatsGetExchgCount0(0, 0, 0);
  GetResult0(0);
}
