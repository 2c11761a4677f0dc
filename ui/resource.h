// Resource identifiers of the main dialog. Plain #defines only: read by the C++ code and by the
// resource compiler.
#ifndef MORVANE_UI_RESOURCE_H
#define MORVANE_UI_RESOURCE_H

#define IDD_MAIN 101
#define IDI_MAIN 104

#define IDC_REV_HEX 1020
#define IDC_CLEAR_ALL 1021
#define IDC_REV 1022
#define IDC_H2BIN 1023
#define IDC_BIN2H 1024
#define IDC_C2BIN 1025
#define IDC_HEX 1030
#define IDC_ASCII 1031
#define IDC_BASEX 1033
#define IDC_BASE_NUMBER 1034
#define IDC_DEFAULT_TABLE_TEXT 1035
#define IDC_CUSTOM_TABLE_TEXT 1036
#define IDC_STATUS 1037
#define IDC_POW2_BITS 1038
#define IDC_BYTE_UNIT 1039
#define IDC_HEX_COUNT 1040
#define IDC_BYTE_COUNT 1041
#define IDC_BIGNUM_BITS 1042
#define IDC_BASEX_COUNT 1043
#define IDC_USE_DEFAULT_TABLE 1066
#define IDC_USE_CUSTOM_TABLE 1067
#define IDC_SRC_HEX 1068
#define IDC_SRC_ASCII 1069
#define IDC_SRC_BASEX 1070
#define IDC_MODE 1074
#define IDC_POW2_LABEL 1075
#define IDC_BYTE_UNIT_LABEL 1076
#define IDC_BASE_RANGE_LABEL 1084

#endif
