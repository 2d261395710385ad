// SPDX-License-Identifier: MIT
#include "main_window.h"

#include <windows.h>
// The common controls need the window system's types first.
#include <commctrl.h>

#include <array>
#include <optional>
#include <vector>

#include "display_scale.h"
#include "model/panel_data.h"
#include "model/shell_data.h"
#include "model/status_bar.h"
#include "services.h"
#include "toolbar.h"
#include "view.h"
#include "wide_text.h"

namespace kalvora::win32 {
namespace {

// Commands of the topics menu: the item of label L is kTopicItem + L; Ctrl+digit sends
// kTopicKey + digit, for the topic with that shortcut digit.
constexpr int kTopicItem = 41000;
constexpr int kTopicKey = 42000;
constexpr int kDigitCount = 10;

// The height of a bar, 0 for one that could not be made.
int WindowHeight(HWND window) {
    RECT r;
    if (!window || !GetWindowRect(window, &r)) return 0;
    return r.bottom - r.top;
}

void SetStatusParts(const View& view) {
    const std::array<int, 2> edges = StatusPartEdges(view.Dpi());
    SendMessageW(view.statusBar, SB_SETPARTS, edges.size(), LPARAM(edges.data()));
}

// The status bar writes in the system's status font, made for the system's scale; on a display of
// another scale it gets the same font at that scale.
void SetStatusFont(View& view) {
    HFONT previous = view.statusFont;
    view.statusFont = nullptr;
    const int system = SystemDpi();
    if (view.Dpi() != system) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
            metrics.lfStatusFont.lfHeight = MulDiv(metrics.lfStatusFont.lfHeight, view.Dpi(), system);
            view.statusFont = CreateFontIndirectW(&metrics.lfStatusFont);
        }
    }
    SendMessageW(view.statusBar, WM_SETFONT, WPARAM(view.statusFont), TRUE);
    if (previous) DeleteObject(previous);
}

void Place(HWND window, const Rect& r) {
    if (window && IsWindow(window))
        SetWindowPos(window, nullptr, r.left, r.top, r.width(), r.height(), SWP_NOZORDER);
}

void LayOut(HWND mainWindow, WPARAM wParam, LPARAM lParam) {
    View& view = TheView();
    // Without a toolbar (its window could not be made) the columns start at the top.
    if (view.toolbar) SendMessageW(view.toolbar, TB_AUTOSIZE, 0, 0);
    RECT client;
    GetClientRect(mainWindow, &client);
    const ColumnLayout layout = ResizeLayout(client.right, client.bottom, WindowHeight(view.toolbar),
                                             WindowHeight(view.statusBar), view.Dpi());
    Place(view.panel, layout.panel);
    Place(view.ActiveForm(), layout.form);
    Place(view.gauge, layout.gauge);
    if (view.statusBar) SendMessageW(view.statusBar, WM_SIZE, wParam, lParam);
}

HMENU BuildMenu() {
    HMENU bar = CreateMenu();
    for (const MenuPopup& popup : MainMenu()) {
        HMENU items = CreatePopupMenu();
        for (const MenuItem& item : popup.items)
            AppendMenuW(items, MF_STRING, UINT_PTR(item.id), Widen(item.text).c_str());
        if (popup.topics) TheView().topicsMenu = items;
        AppendMenuW(bar, MF_POPUP, UINT_PTR(items), Widen(popup.title).c_str());
    }
    return bar;
}

HACCEL BuildTopicKeys() {
    std::vector<ACCEL> keys;
    for (int digit = 0; digit < kDigitCount; ++digit)
        keys.push_back({FCONTROL | FVIRTKEY, WORD('0' + digit), WORD(kTopicKey + digit)});
    return CreateAcceleratorTableW(keys.data(), int(keys.size()));
}

// The label that a command of the topics menu or its keys stands for, or 0.
int TopicLabel(int command) {
    const auto& panel = TheView().program.State().panel;
    if (!panel) return 0;
    const PanelData& data = PanelFor(panel->field);
    if (command >= kTopicKey && command < kTopicKey + kDigitCount) {
        for (std::size_t i = 0; i < data.labels.size(); ++i)
            if (TopicShortcutDigit(data, i) == command - kTopicKey) return data.labels[i].id;
        return 0;
    }
    for (const PanelLabel& label : data.labels)
        if (command == kTopicItem + label.id) return label.id;
    return 0;
}

void OnCommand(int id) {
    View& view = TheView();
    if (const int label = TopicLabel(id))
        view.program.ClickLabel(label);
    else
        view.program.Command(id);
    view.Update();
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    View& view = TheView();
    switch (message) {
        case WM_CREATE:
            view.toolbar = CreateToolbar(window, view.instance, view.Dpi());
            break;
        case WM_SIZE:
            LayOut(window, wParam, lParam);
            break;
        case WM_DPICHANGED: {
            // Moved to a display of another scale: the model takes the scale and the rectangle
            // Windows suggests; every window inside is made again at the new scale.
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            view.program.DisplayScaleChanged(
                HIWORD(wParam), {suggested->left, suggested->top, suggested->right, suggested->bottom});
            view.RebuildAtScale();
            view.Update();
            return 0;
        }
        case WM_WINDOWPOSCHANGED:
            if (!IsIconic(window) && !view.quitting) {
                RECT outer;
                GetWindowRect(window, &outer);
                view.program.MainWindowMoved({outer.left, outer.top, outer.right, outer.bottom});
            }
            break;
        case WM_ACTIVATE:
            // Back in the program, the keyboard returns to the control that had it.
            if (LOWORD(wParam) == WA_INACTIVE) {
                view.focusBeforeDeactivation = GetFocus();
            } else if (view.focusBeforeDeactivation && IsWindow(view.focusBeforeDeactivation) &&
                       IsChild(window, view.focusBeforeDeactivation)) {
                SetFocus(view.focusBeforeDeactivation);
                return 0;
            }
            break;
        case WM_NOTIFY: {
            auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
            if (info->hdr.code == TTN_GETDISPINFOW) {
                info->hinst = nullptr;
                if (const wchar_t* text = ToolTipText(info->hdr.idFrom))
                    info->lpszText = const_cast<wchar_t*>(text);
            }
            break;
        }
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            break;
        case WM_TIMER:
            view.program.Tick(ReadMemory());
            view.Update();
            break;
        case WM_CLOSE:
            // The model asks; "Ano" ends the program through its Quit effect.
            view.program.RequestClose();
            view.Update();
            return 0;
        case WM_DESTROY:
            KillTimer(window, kMemoryTimer);
            view.mainWindow = nullptr;
            PostQuitMessage(0);
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool RegisterMainClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconId));
    // The small icon from the icon's sizes, the one nearest to the small icon's size at this scale.
    windowClass.hIconSm = HICON(LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                           GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    if (!windowClass.hIconSm) windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kMainClassName;
    return RegisterClassExW(&windowClass) != 0;
}

HWND CreateMainWindow(HINSTANCE instance, const Rect& outer, int gaugePosition) {
    View& view = TheView();
    view.topicKeys = BuildTopicKeys();
    HWND window = CreateWindowExW(0, kMainClassName, Widen(text::kProgramTitle).c_str(),
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE, outer.left, outer.top, outer.width(),
                                  outer.height(), nullptr, BuildMenu(), instance, nullptr);
    if (!window) return nullptr;
    view.mainWindow = window;
    view.statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window,
                                     nullptr, instance, nullptr);
    if (!view.statusBar) return window;
    SetStatusFont(view);
    RECT client;
    GetClientRect(window, &client);
    const Rect place = CreationLayout(client.right, client.bottom, view.Dpi()).gauge;
    view.gauge = CreateWindowExW(WS_EX_CLIENTEDGE, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE | PBS_VERTICAL,
                                 place.left, place.top, place.width(), place.height(), window, nullptr,
                                 instance, nullptr);
    SetTimer(window, kMemoryTimer, kMemoryTickIntervalMs, nullptr);
    SendMessageW(view.gauge, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    SendMessageW(view.gauge, PBM_SETSTEP, 0, 0);
    SendMessageW(view.gauge, PBM_SETBKCOLOR, 0, RGB(0, 255, 0));
    SendMessageW(view.gauge, PBM_SETBARCOLOR, 0, RGB(255, 0, 255));
    SendMessageW(view.gauge, PBM_SETPOS, WPARAM(gaugePosition), 0);
    SetStatusParts(view);
    return window;
}

void RescaleMainWindowBars() {
    View& view = TheView();
    if (!view.mainWindow) return;
    if (view.toolbar) DestroyWindow(view.toolbar);
    view.toolbar = CreateToolbar(view.mainWindow, view.instance, view.Dpi());
    if (view.statusBar) {
        SetStatusFont(view);
        SetStatusParts(view);
    }
    if (view.gauge) {
        RECT client;
        GetClientRect(view.mainWindow, &client);
        const Rect place = CreationLayout(client.right, client.bottom, view.Dpi()).gauge;
        SetWindowPos(view.gauge, nullptr, place.left, place.top, place.width(), place.height(), SWP_NOZORDER);
    }
}

void RebuildTopicsMenu() {
    View& view = TheView();
    if (!view.topicsMenu) return;
    while (GetMenuItemCount(view.topicsMenu) > 0) DeleteMenu(view.topicsMenu, 0, MF_BYPOSITION);
    const auto& panel = view.program.State().panel;
    if (panel) {
        for (const TopicMenuItem& item : TopicMenuItems(PanelFor(panel->field))) {
            if (item.separatorBefore) AppendMenuW(view.topicsMenu, MF_SEPARATOR, 0, nullptr);
            std::wstring text = Widen(item.text);
            if (item.shortcutDigit) text += L"\tCtrl+" + std::to_wstring(*item.shortcutDigit);
            AppendMenuW(view.topicsMenu, MF_STRING, UINT_PTR(kTopicItem + item.labelId), text.c_str());
        }
    }
    if (view.mainWindow) DrawMenuBar(view.mainWindow);
}

}  // namespace kalvora::win32
