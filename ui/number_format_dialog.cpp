#include "number_format_dialog.h"

#include "layout.h"
#include "number_text.h"
#include "resource_ids.h"

namespace {

struct NumberFormatDialogData {
    HWND mainWindow;
    TaskRecord* task;
    int windowGap;
    int dpi;
    // The four values as the dialog found them; Cancel puts them back.
    int32_t savedMode;
    int32_t savedAngleUnit;
    int32_t savedGrouping;
    int32_t savedDecimals;
};

// The decimal-places edit reads at most this many characters.
constexpr int kDecimalsTextCapacity = 62;
constexpr int kSpinnerTop = 15;

void SendSetting(const NumberFormatDialogData& data, int command) {
    SendMessageA(data.mainWindow, WM_COMMAND, command, 0);
}

void EnableDecimals(HWND dialog, bool enable) {
    EnableWindow(GetDlgItem(dialog, IDC_FORMAT_DECIMALS), enable);
    EnableWindow(GetDlgItem(dialog, IDC_FORMAT_SPINNER), enable);
    EnableWindow(GetDlgItem(dialog, IDC_FORMAT_DECIMALS_LABEL), enable);
}

int DecimalsText(HWND dialog) {
    char text[kDecimalsTextCapacity + 1];
    if (!GetDlgItemTextA(dialog, IDC_FORMAT_DECIMALS, text, sizeof text)) text[0] = 0;
    return ReadInteger(text);
}

void SetDecimalsText(HWND dialog, int value) {
    // "%d" of any int fits; SetDlgItemInt writes the same digits.
    SetDlgItemInt(dialog, IDC_FORMAT_DECIMALS, static_cast<UINT>(value), TRUE);
}

void OnInit(HWND dialog, NumberFormatDialogData& data) {
    TaskRecord& task = *data.task;
    data.savedMode = task.iNumberMode;
    data.savedAngleUnit = task.iAngleUnit;
    data.savedGrouping = task.bDigitGrouping;
    data.savedDecimals = task.iDecimals;

    // The same place the Task History dialog takes beside the main window.
    ShowBesideMainWindow(dialog, data.mainWindow, data.windowGap, data.dpi);
    CheckRadioButton(dialog, IDC_FORMAT_AUTO, IDC_FORMAT_FIX, IDC_FORMAT_AUTO + data.savedMode);
    SendSetting(data, IDC_MODE_AUTO + data.savedMode);
    EnableDecimals(dialog, data.savedMode != kModeAutomatic);
    CheckRadioButton(dialog, IDC_FORMAT_RAD, IDC_FORMAT_GRAD, IDC_FORMAT_RAD + data.savedAngleUnit);
    SetDecimalsText(dialog, data.savedDecimals);
    CheckDlgButton(dialog, IDC_FORMAT_GROUPING, task.bDigitGrouping ? BST_CHECKED : BST_UNCHECKED);
    SetFocus(GetDlgItem(dialog, IDOK));
}

// The edit still notifies while the ending dialog is destroyed (its focus
// goes), and reading its text then would undo Cancel's restored decimals:
// the procedure lets go of its data first.
void End(HWND dialog, INT_PTR result) {
    SetWindowLongPtrA(dialog, GWLP_USERDATA, 0);
    EndDialog(dialog, result);
}

void Cancel(HWND dialog, const NumberFormatDialogData& data) {
    data.task->bDigitGrouping = data.savedGrouping;
    data.task->iDecimals = data.savedDecimals;
    SendSetting(data, IDC_MODE_AUTO + data.savedMode);
    SendSetting(data, IDC_ANGLE_RAD + data.savedAngleUnit);
    End(dialog, 0);
}

void OnCommand(HWND dialog, NumberFormatDialogData& data, int id) {
    TaskRecord& task = *data.task;
    switch (id) {
    case IDC_FORMAT_AUTO:
    case IDC_FORMAT_SCI:
    case IDC_FORMAT_FIX:
        EnableDecimals(dialog, id != IDC_FORMAT_AUTO);
        CheckRadioButton(dialog, IDC_FORMAT_AUTO, IDC_FORMAT_FIX, id);
        SendSetting(data, id - IDC_FORMAT_AUTO + IDC_MODE_AUTO);
        break;
    case IDC_FORMAT_RAD:
    case IDC_FORMAT_DEG:
    case IDC_FORMAT_GRAD:
        CheckRadioButton(dialog, IDC_FORMAT_RAD, IDC_FORMAT_GRAD, id);
        SendSetting(data, id - IDC_FORMAT_RAD + IDC_ANGLE_RAD);
        break;
    case IDC_FORMAT_DECIMALS:
        // Typed values are taken as they are; only the spinner keeps to 0-15.
        task.iDecimals = DecimalsText(dialog);
        SendSetting(data, IDC_MODE_AUTO + task.iNumberMode);
        break;
    case IDC_FORMAT_GROUPING:
        task.bDigitGrouping = IsDlgButtonChecked(dialog, IDC_FORMAT_GROUPING) == BST_CHECKED ? 1 : 0;
        SendSetting(data, IDC_MODE_AUTO + task.iNumberMode);
        break;
    case IDOK:
        End(dialog, 1);
        break;
    case IDCANCEL:
        Cancel(dialog, data);
        break;
    default:
        break;
    }
}

// Writing the edit raises its change notification, which sets iDecimals.
void OnSpinner(HWND dialog, int request) {
    int value = DecimalsText(dialog);
    if (request == SB_LINEUP) {
        if (value >= kSpinnerTop) return;
        ++value;
    } else if (request == SB_LINEDOWN) {
        if (value <= 0) return;
        --value;
    }
    SetDecimalsText(dialog, value);
}

INT_PTR CALLBACK NumberFormatDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        OnInit(dialog, *reinterpret_cast<NumberFormatDialogData*>(lParam));
        return FALSE;  // the focus is on OK already
    }
    auto* data = reinterpret_cast<NumberFormatDialogData*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    if (!data) return FALSE;
    switch (message) {
    case WM_COMMAND:
        OnCommand(dialog, *data, LOWORD(wParam));
        return TRUE;
    case WM_VSCROLL:
        if (reinterpret_cast<HWND>(lParam) == GetDlgItem(dialog, IDC_FORMAT_SPINNER)) OnSpinner(dialog, LOWORD(wParam));
        return TRUE;
    case WM_CLOSE:
        Cancel(dialog, *data);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

INT_PTR RunNumberFormatDialog(HINSTANCE instance, HWND mainWindow, TaskRecord& task, int windowGap, int dpi) {
    NumberFormatDialogData data{mainWindow, &task, windowGap, dpi, 0, 0, 0, 0};
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_NUMBER_FORMAT), mainWindow, NumberFormatDialogProc,
                           reinterpret_cast<LPARAM>(&data));
}
