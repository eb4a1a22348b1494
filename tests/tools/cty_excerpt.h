#pragma once
// A small country file in the layout of cty.dat, CR LF line ends included, written for the
// tests: England, Scotland with Shetland off the DXCC list, Germany, Italy with African
// Italy, Turkey with a continent override, the USA, Hawaii and both Russias.

#include "tools/logs/cty_database.h"

inline constexpr const char* kCtyExcerpt =
    "England:                  14:  27:  EU:   52.77:     1.47:     0.0:  G:\r\n"
    "    2E,G,M,=G0IBN/LH,=GB2ELH;\r\n"
    "Scotland:                 14:  27:  EU:   56.82:     4.18:     0.0:  GM:\r\n"
    "    2M,GM,MM,=GB2ELH/P;\r\n"
    "Shetland Islands:         14:  27:  EU:   60.50:     1.50:     0.0:  *GM/s:\r\n"
    "    =2M0ZET,=GB2ELH;\r\n"
    "Germany:                  14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\r\n"
    "    DA,DL,DM;\r\n"
    "Italy:                    15:  28:  EU:   42.82:   -12.58:    -1.0:  I:\r\n"
    "    I;\r\n"
    "African Italy:            33:  37:  AF:   35.67:   -12.67:    -1.0:  *IG9:\r\n"
    "    IG9;\r\n"
    "Turkey:                   20:  39:  AS:   39.18:   -35.65:    -2.0:  TA:\r\n"
    "    TA,TA1(20)[39]{EU}<41.02/-28.97>,=TA2ABC/1{EU};\r\n"
    "United States:            05:  08:  NA:   37.60:    91.87:     5.0:  K:\r\n"
    "    K,N,W,AA0(4)[7],=KH6ABC;\r\n"
    "Hawaii:                   31:  61:  OC:   21.12:   157.48:    10.0:  KH6:\r\n"
    "    KH6,KH7;\r\n"
    "European Russia:          16:  29:  EU:   53.65:   -41.37:    -4.0:  UA:\r\n"
    "    R,U;\r\n"
    "Asiatic Russia:           17:  30:  AS:   55.88:   -84.08:    -7.0:  UA9:\r\n"
    "    R8,R9,UA9,\r\n"
    "    RA9;\r\n";

inline CtyDatabase Excerpt() {
  return CtyDatabase::Parse(kCtyExcerpt, "excerpt");
}
