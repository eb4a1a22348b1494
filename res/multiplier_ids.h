// Resource ids of the multiplier windows, shared by the resource script and the code.
#pragma once

#define IDI_STATS 113

#define IDD_MULTIPLIER 105
#define IDC_INFO_BUTTON 1016

#define IDD_MULTIPLIER_MULT 116
#define IDC_CONTINENT_TABS 1025

#define IDD_WAE_ALL 117
#define IDD_AF_DXCC 118
#define IDD_AS_DXCC 119
#define IDD_NA_DXCC 120
#define IDD_SA_DXCC 121
#define IDD_OC_DXCC 122

#define IDD_AREA_CODE 124
