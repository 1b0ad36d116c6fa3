// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What screen readers are told about our windows and controls beyond Qt's
// own accessible interfaces: the role of each window (LayoutWindow), and a
// heading label tied to the option buttons it names (OptionButton::
// setHeading), both ways. Qt asks for these interfaces only while assistive
// technology is active.
void InstallAccessibleInterfaces();
