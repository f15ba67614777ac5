/* Identifiers of the conformance tests' resource script (win32_tests.rc). Shared by the script
   and the tests, so it holds only #defines. */
#ifndef WIN32_TESTS_IDS_H
#define WIN32_TESTS_IDS_H

/* resource, kernel and menu tests: 5000..5999 */
#define IDD_RES_DIALOGEX 5100
#define IDD_RES_DIALOG 5101
#define IDC_RES_LABEL 5110
#define IDC_RES_EDIT 5111
#define IDC_RES_COMBO 5112
#define IDC_RES_CHECK 5113
#define IDC_RES_GO 5114

/* string table: 5001 and 5002 share a block (5001 / 16 + 1 == 313), 5016 and 5017 start the next */
#define IDS_RES_FIRST 5001
#define IDS_RES_SECOND 5002
#define IDS_RES_ABSENT_IN_BLOCK 5003
#define IDS_RES_LAST_IN_BLOCK 5007
#define IDS_RES_NEXT_BLOCK 5016
#define IDS_RES_LATIN1 5017
#define IDS_RES_EMPTY_BLOCK_ABSENT 5300
#define IDS_RES_FAR 5900
#define IDS_RES_ZERO 0

#define IDR_RES_ACCEL 5200
#define IDR_RES_MENU 5201
#define IDR_RES_MENUEX 5202
#define IDR_RES_DATA 5203
#define IDR_RES_LANGUAGES 5204

#define ID_RES_NEW 5210
#define ID_RES_REFRESH 5211
#define ID_RES_ASCII 5212
#define ID_RES_DELETE 5213
#define ID_RES_OPEN 5220
#define ID_RES_RECENT1 5221
#define ID_RES_EXIT 5222
#define ID_RES_HELP 5223
#define ID_RES_EX_FILE 5230
#define ID_RES_EX_OPEN 5231
#define ID_RES_EX_HELP 5232

/* dialog manager tests: 6400..6499 */
#define IDD_DLG_TABORDER 6400
#define IDD_DLG_MODAL 6401
#define IDD_DLG_ABSENT 6499
#define IDC_DLG_LABEL 6410
#define IDC_DLG_NAME 6411
#define IDC_DLG_RADIO1 6412
#define IDC_DLG_RADIO2 6413
#define IDC_DLG_RADIO3 6414
#define IDC_DLG_DISABLED 6415
#define IDC_DLG_HIDDEN 6416
#define IDC_DLG_CHECK 6417
#define IDC_DLG_APPLY 6418

#endif
