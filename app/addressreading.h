// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamesettings.h"

#include <QString>

#include <optional>

// What a page's address sets: von, bis and richtung, each a text, missing
// where the address has none.
struct AddressSettings {
    std::optional<QString> von;
    std::optional<QString> bis;
    std::optional<QString> richtung;
};

// What the game makes of an address: the settings it plays with (where a
// value cannot be used, the whole range or the first direction), and the
// one German line the page shows above the game: the range where it is not
// the whole one, what is wrong with the address where something is, else
// nothing.
struct AddressReading {
    GameSettings settings;
    QString line;
    bool problem = false;
};

AddressReading ReadAddress(const AddressSettings &address);
