// Creating and destroying a 50-control dialog from its template, as every dialog export of the product does.
#include "../tests/win32/dialog_template_builder.h"

#include <benchmark/benchmark.h>

namespace {

INT_PTR CALLBACK BenchDialogProc(HWND, UINT msg, WPARAM, LPARAM)
{
    return msg == WM_INITDIALOG;
}

dialog_test::DialogTemplateBuilder FiftyControls()
{
    using namespace dialog_test;
    DialogTemplateBuilder builder(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    builder.Rect(0, 0, 400, 300).Title("Fifty controls").Font(8, "MS Sans Serif");
    for (int i = 0; i < 50; ++i) {
        short x = static_cast<short>(4 + (i % 5) * 78);
        short y = static_cast<short>(4 + (i / 5) * 28);
        switch (i % 5) {
        case 0: builder.Item(TemplateText::Ordinal(kStatic), "Label:", 0xFFFF, WS_CHILD | WS_VISIBLE, x, y, 70, 8); break;
        case 1:
            builder.Item(TemplateText::Ordinal(kEdit), "text", static_cast<DWORD>(100 + i),
                         WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, x, y, 70, 12);
            break;
        case 2:
            builder.Item(TemplateText::Ordinal(kComboBox), "", static_cast<DWORD>(100 + i),
                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN | CBS_SORT, x, y, 70, 60);
            break;
        case 3:
            builder.Item(TemplateText::Ordinal(kButton), "&Check", static_cast<DWORD>(100 + i),
                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, x, y, 70, 10);
            break;
        default:
            builder.Item(TemplateText::Ordinal(kListBox), "", static_cast<DWORD>(100 + i),
                         WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LBS_NOTIFY, x, y, 70, 24);
            break;
        }
    }
    return builder;
}

void BM_CreateAndDestroyFiftyControlDialog(benchmark::State &state)
{
    auto builder = FiftyControls();
    const DLGTEMPLATE *dialogTemplate = builder.Get();
    for (auto _ : state) {
        HWND dialog = CreateDialogIndirectParamA(nullptr, dialogTemplate, nullptr, BenchDialogProc, 0);
        if (!dialog) {
            state.SkipWithError("the dialog could not be created");
            break;
        }
        DestroyWindow(dialog);
    }
}
BENCHMARK(BM_CreateAndDestroyFiftyControlDialog)->Unit(benchmark::kMicrosecond);

void BM_CreatePaintAndDestroyFiftyControlDialog(benchmark::State &state)
{
    auto builder = FiftyControls();
    const DLGTEMPLATE *dialogTemplate = builder.Get();
    HDC memory = CreateCompatibleDC(nullptr);
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 800, 700);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    for (auto _ : state) {
        HWND dialog = CreateDialogIndirectParamA(nullptr, dialogTemplate, nullptr, BenchDialogProc, 0);
        PrintWindow(dialog, memory, 0);
        DestroyWindow(dialog);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}
BENCHMARK(BM_CreatePaintAndDestroyFiftyControlDialog)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
