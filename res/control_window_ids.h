// Resource ids of the control window, shared by the resource script and the code.
#pragma once

#define IDD_SETUP_CQ_WW 123
#define IDC_AREA_CODE 1000
#define IDC_MODE_CW 1015
#define IDC_MODE_SSB 1016
#define IDC_VIEW_AREA 1017
#define IDC_VIEW_DXCC 1018
#define IDC_VIEW_DXCC_EXTENDED 1019
#define IDC_AREA_CODE_LABEL 1039
#define IDC_VIEW_LABEL 1040
#define IDC_MODE_LABEL 1041
