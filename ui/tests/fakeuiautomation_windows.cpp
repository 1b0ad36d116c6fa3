// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The stand-in for uiautomationcore.dll (fakeuiautomation.h). Its provider
// is an object that only counts its references: the program hands it on
// and releases it, and calls nothing else on it.

#include "fakeuiautomation.h"

#include <unknwn.h>

#define RZ_FAKE_EXPORT extern "C" __declspec(dllexport)

namespace {

FakeNotificationListener listener = nullptr;
BOOL refuseProviders = FALSE;
LONG providersHeld = 0;

class Provider final : public IUnknown {
public:
    explicit Provider(HWND window) : window_(window) {}
    HWND window() const { return window_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void **object) override
    {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override
    {
        InterlockedIncrement(&providersHeld);
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override
    {
        InterlockedDecrement(&providersHeld);
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

private:
    HWND window_;
    LONG references_ = 0;
};

} // namespace

RZ_FAKE_EXPORT HRESULT WINAPI UiaHostProviderFromHwnd(HWND window, IUnknown **provider)
{
    *provider = nullptr;
    if (refuseProviders || !window)
        return E_INVALIDARG;
    *provider = new Provider(window);
    (*provider)->AddRef();
    return S_OK;
}

#ifndef RZ_FAKE_WITHOUT_NOTIFICATIONS
RZ_FAKE_EXPORT HRESULT WINAPI UiaRaiseNotificationEvent(IUnknown *provider, int kind, int processing,
                                                        const wchar_t *text, const wchar_t *activity)
{
    if (!provider)
        return E_INVALIDARG;
    if (listener)
        listener(static_cast<Provider *>(provider)->window(), kind, processing, text, activity);
    return S_OK;
}
#endif

RZ_FAKE_EXPORT void FakeListen(FakeNotificationListener newListener)
{
    listener = newListener;
}

RZ_FAKE_EXPORT void FakeRefuseProviders(BOOL refuse)
{
    refuseProviders = refuse;
}

RZ_FAKE_EXPORT LONG FakeProvidersHeld()
{
    return providersHeld;
}
