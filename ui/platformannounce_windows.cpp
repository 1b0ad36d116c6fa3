// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Spoken messages on Windows: a UI Automation notification on the window
// that shows what the message is about. Screen readers that listen to UI
// Automation (NVDA, Narrator) speak it wherever the focus is.
//
// UiaRaiseNotificationEvent came with Windows 10 1709. MinGW's headers do
// not declare it, and Wine does not have it, so it is looked up at run time
// and declared here as Windows documents it. So is UiaHostProviderFromHwnd:
// MinGW has no import library for uiautomationcore.dll, and its
// uiautomationcoreapi.h does not compile as C++. Where a function or the
// window's provider is missing, the message is not raised, and nothing is
// said about it: the game plays on as before.

#include "platformannounce.h"

#include <QGuiApplication>
#include <QString>
#include <QWidget>

#include <windows.h>
#include <oleauto.h>
#include <uiautomationcore.h>

namespace {

// uiautomationcore.h of Windows 10 1709 and later.
enum class NotificationKind : int {
    ItemAdded = 0,
    ItemRemoved = 1,
    ActionCompleted = 2,
    ActionAborted = 3,
    Other = 4,
};

enum class NotificationProcessing : int {
    ImportantAll = 0,
    ImportantMostRecent = 1,
    All = 2,
    MostRecent = 3,
    CurrentThenMostRecent = 4,
};

// uiautomationcoreapi.h: HRESULT UiaRaiseNotificationEvent(
//     IRawElementProviderSimple *provider, NotificationKind notificationKind,
//     NotificationProcessing notificationProcessing, BSTR displayString,
//     BSTR activityId);
using RaiseNotificationEvent = HRESULT(WINAPI *)(IRawElementProviderSimple *, NotificationKind,
                                                 NotificationProcessing, BSTR, BSTR);
// uiautomationcoreapi.h: HRESULT UiaHostProviderFromHwnd(HWND hwnd,
//     IRawElementProviderSimple **ppProvider);
using HostProviderFromHwnd = HRESULT(WINAPI *)(HWND, IRawElementProviderSimple **);

struct UiAutomation {
    HostProviderFromHwnd hostProvider = nullptr;
    RaiseNotificationEvent raiseNotification = nullptr;
};

template<typename Function>
Function Look(HMODULE library, const char *name)
{
    // Through void (*)(), the one function type every other converts from
    // without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

UiAutomation LookUp(HMODULE library)
{
    UiAutomation functions;
    if (library) {
        functions.hostProvider = Look<HostProviderFromHwnd>(library, "UiaHostProviderFromHwnd");
        functions.raiseNotification = Look<RaiseNotificationEvent>(library, "UiaRaiseNotificationEvent");
    }
    return functions;
}

// Looked up once, the first time a message is raised; only Windows' own
// folder is searched for the library.
UiAutomation &Functions()
{
    static UiAutomation functions =
        LookUp(LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    return functions;
}

// Every message comes from one source: a newer one replaces one not yet
// spoken, as a key typed on silences the echo of the key before.
const wchar_t kActivity[] = L"RoemischeZahlen.Meldung";

} // namespace

void LookUpUiAutomationIn(const QString &library)
{
    Functions() = LookUp(LoadLibraryW(reinterpret_cast<const wchar_t *>(library.utf16())));
}

void AnnounceOnPlatform(QWidget *window, const QString &text)
{
    const UiAutomation &uia = Functions();
    if (!uia.hostProvider || !uia.raiseNotification || !window)
        return;
    // Only on Windows' own platform is a window's id the handle of a window
    // of Windows; the window is not made native for a message.
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return;
    const WId id = window->window()->internalWinId();
    if (!id)
        return;

    IRawElementProviderSimple *provider = nullptr;
    if (FAILED(uia.hostProvider(reinterpret_cast<HWND>(id), &provider)) || !provider)
        return;
    BSTR display = SysAllocStringLen(reinterpret_cast<const OLECHAR *>(text.utf16()), static_cast<UINT>(text.size()));
    BSTR activity = SysAllocString(kActivity);
    if (display && activity)
        uia.raiseNotification(provider, NotificationKind::Other, NotificationProcessing::ImportantMostRecent,
                              display, activity);
    SysFreeString(activity);
    SysFreeString(display);
    provider->Release();
}
