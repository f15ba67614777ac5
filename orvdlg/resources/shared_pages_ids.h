// Identifiers of the pages many element sheets share.
#pragma once

#define IDD_REPORT_OFF_INDIVIDUAL_GROUP 142
#define IDD_REPORT_ON_OFF 148
#define IDD_NOTES 1548

#define IDC_REPORT_OFF 1004
#define IDC_REPORT_INDIVIDUAL 1005
#define IDC_REPORT_BY_GROUP 1006
#define IDC_REPORT_ON 1040

#define IDC_NOTES_TEXT 1000
#define IDC_NOTES_FED_BY 1035
#define IDC_NOTES_FEEDS 1036
