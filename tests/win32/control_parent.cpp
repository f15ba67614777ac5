#include "control_parent.h"

#include "recording_window.h"

ControlParent::ControlParent() {
    SetRecordingHandler([this](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
        if (hwnd != m_hwnd) {
            return false;
        }
        switch (message) {
        case WM_COMMAND:
            commands.push_back({LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
            return true;
        case WM_NOTIFY: {
            const auto *header = reinterpret_cast<const NMHDR *>(lParam);
            NotifyRecord record{*header, 0, -2};
            if (header->code == TCN_KEYDOWN) {
                record.key = reinterpret_cast<const NMTCKEYDOWN *>(lParam)->wVKey;
            }
            record.selectionDuringCall = static_cast<int>(SendMessageA(header->hwndFrom, TCM_GETCURSEL, 0, 0));
            notifies.push_back(record);
            result = notifyAnswer ? notifyAnswer(*header) : 0;
            return true;
        }
        case WM_DRAWITEM:
            draws.push_back(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
            result = TRUE;
            return true;
        case WM_CTLCOLORSTATIC:
            if (staticBrush) {
                result = reinterpret_cast<LRESULT>(staticBrush);
                return true;
            }
            return false;
        case WM_PAINT:
            if (background != CLR_INVALID) {
                PAINTSTRUCT paint;
                HDC hdc = BeginPaint(hwnd, &paint);
                RECT client;
                GetClientRect(hwnd, &client);
                HBRUSH brush = CreateSolidBrush(background);
                FillRect(hdc, &client, brush);
                DeleteObject(brush);
                EndPaint(hwnd, &paint);
                return true;
            }
            return false;
        default:
            return false;
        }
    });
    m_hwnd = CreateRecordingWindow(WS_POPUP | WS_VISIBLE);
    if (m_hwnd) {
        SetWindowPos(m_hwnd, nullptr, 0, 0, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

ControlParent::~ControlParent() {
    if (IsWindow(m_hwnd)) {
        DestroyWindow(m_hwnd);
    }
    SetRecordingHandler(nullptr);
    PumpMessages();
}

HWND ControlParent::Add(const char *className, const char *text, DWORD style, int id, int x, int y, int width,
                        int height) {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, m_hwnd,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

void ControlParent::Clear() {
    commands.clear();
    notifies.clear();
    draws.clear();
}

std::vector<int> ControlParent::CommandCodes(HWND from) const {
    std::vector<int> codes;
    for (const CommandRecord &command : commands) {
        if (command.from == from) {
            codes.push_back(command.code);
        }
    }
    return codes;
}

std::vector<UINT> ControlParent::NotifyCodes() const {
    std::vector<UINT> codes;
    for (const NotifyRecord &record : notifies) {
        codes.push_back(record.header.code);
    }
    return codes;
}

WindowPicture::WindowPicture(HWND topLevel) : m_topLevel(topLevel) {
    RECT client{};
    GetClientRect(topLevel, &client);
    m_width = client.right - client.left;
    m_height = client.bottom - client.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = m_width;
    info.bmiHeader.biHeight = -m_height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    m_dc = CreateCompatibleDC(nullptr);
    m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!m_dc || !m_bitmap || !bits) {
        return;
    }
    m_old = SelectObject(m_dc, m_bitmap);
    if (PrintWindow(topLevel, m_dc, PW_CLIENTONLY)) {
        GdiFlush();
        m_bits = static_cast<const uint32_t *>(bits);
    }
}

WindowPicture::~WindowPicture() {
    if (m_old) {
        SelectObject(m_dc, m_old);
    }
    if (m_bitmap) {
        DeleteObject(m_bitmap);
    }
    if (m_dc) {
        DeleteDC(m_dc);
    }
}

COLORREF WindowPicture::At(HWND window, int x, int y) const {
    POINT point{x, y};
    MapWindowPoints(window, m_topLevel, &point, 1);
    if (!m_bits || point.x < 0 || point.y < 0 || point.x >= m_width || point.y >= m_height) {
        return CLR_INVALID;
    }
    const uint32_t pixel = m_bits[point.y * m_width + point.x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int WindowPicture::Count(HWND window, const RECT &rect, COLORREF color) const {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            count += At(window, x, y) == color ? 1 : 0;
        }
    }
    return count;
}
