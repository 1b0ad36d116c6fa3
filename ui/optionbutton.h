// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRadioButton>

class QLabel;

// An option button that raises Click whenever it becomes selected, by the
// learner or by code (setChecked(true)), before the selecting call returns.
// Selecting the button that is already selected raises nothing.
//
// Its circle is drawn whole however low the button is: where the style's
// circle is higher than the button (Fusion's is 14 pixels, the layout's
// option buttons 13), it is drawn as large as the button allows, around the
// same centre. The caption stays where the style puts it.
class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    explicit OptionButton(QWidget *parent = nullptr);

    // The label above a group of option buttons, a sibling of this button:
    // screen readers read it as the label of each button of the group.
    void setHeading(QLabel *heading) { heading_ = heading; }
    QLabel *heading() const { return heading_; }

Q_SIGNALS:
    void Click();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *heading_ = nullptr;
};
