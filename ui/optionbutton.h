// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRadioButton>

// An option button that raises Click whenever it becomes selected, by the
// learner or by code (setChecked(true)), before the selecting call returns.
// Selecting the button that is already selected raises nothing.
class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    explicit OptionButton(QWidget *parent = nullptr);

Q_SIGNALS:
    void Click();
};
