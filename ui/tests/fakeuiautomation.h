// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A stand-in for Windows' uiautomationcore.dll, for the tests of spoken
// messages on Windows: it hands out a provider for any window and tells the
// test what it is asked to raise. Built twice: fakeuiautomation.dll, with
// the notification of Windows 10 1709 and later, and
// fakeuiautomation-old.dll without it, as older Windows and Wine are.

#include <windows.h>

// Called for every notification raised, with the window of the provider.
using FakeNotificationListener = void (*)(HWND window, int kind, int processing, const wchar_t *text,
                                          const wchar_t *activity);

// The library's own functions, looked up by the test under these names:
// FakeListen listens to the notifications from now on (null stops
// listening); FakeRefuseProviders makes UiaHostProviderFromHwnd fail from
// now on, as for a window that has no provider; FakeProvidersHeld tells how
// many references to the providers handed out are still held.
using FakeListenFunction = void (*)(FakeNotificationListener listener);
using FakeRefuseProvidersFunction = void (*)(BOOL refuse);
using FakeProvidersHeldFunction = LONG (*)();
