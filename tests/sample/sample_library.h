// The sample dialog library's exports: what a host sees.
#pragma once
#include <windows.h>

extern "C" {

struct SampleRecord {
    char name[9];
    int kind;     // 0 Buffer, 1 Machine, 2 Conveyor
    int quantity; // 1 to 999
    int active;
    int speed;    // 0 slow, 1 fast
};

typedef void(__cdecl *SampleProcessEvents)(void);
typedef void(__cdecl *SampleSetProcessEventsFn)(SampleProcessEvents callback);
typedef int(__cdecl *SampleEditFn)(SampleRecord *record, HWND owner);
typedef int(__cdecl *SampleFilterMessageFn)(MSG *msg);
}
