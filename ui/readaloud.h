// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a screen reader says by itself, on a desktop, of a window that
// becomes active and of a control the keyboard's focus moves to, put into
// one German sentence each, from the names and roles the windows give
// screen readers. For a platform with no screen reader bridge (a web page),
// which hands these sentences on as messages.

#include <QString>

class QWidget;

// The name a screen reader gives the window.
QString NameOfWindow(QWidget *window);

// The window's name; a dialog's message (its labels); the control that has
// the focus in it. "Römische Zahlen – Spiel verloren. Du hast leider
// verloren! Neues Spiel, Schaltfläche."
QString SaidOfWindow(QWidget *window);

// The control's name, its kind and state: "Ende, Schaltfläche.",
// "Arabisch nach Römisch, Auswahlschalter, ausgewählt."
QString SaidOfControl(QWidget *control);
