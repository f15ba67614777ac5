// Resource identifiers of the sample dialog library.
#define IDD_SAMPLE 200
#define IDC_SAMPLE_NAME 1001
#define IDC_SAMPLE_KIND 1002
#define IDC_SAMPLE_ACTIVE 1003
#define IDC_SAMPLE_SLOW 1004
#define IDC_SAMPLE_FAST 1005
#define IDC_SAMPLE_QUANTITY 1006
#define IDS_SAMPLE_TITLE 300
