// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTextEdit>

// A text box as the windows use it: several lines that wrap at the box's
// width, text centred, read-only for the learner. Only code sets the text,
// and the maximum length (0: none) cuts text set by code as well.
//
// A box hidden by code keeps its text to itself: text() returns it, but the
// box shows it (and so tells screen readers of it) only once it is shown
// again. What a hidden box holds is nobody's to read.
class TextBox : public QTextEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr);

    const QString &text() const { return text_; }
    void setText(const QString &text);

    int maxLength() const { return maxLength_; }
    // Set when the window is built; it cuts the texts set from then on.
    void setMaxLength(int length);

    void setVisible(bool visible) override;

    // Space between the frame and the text, in pixels.
    static constexpr int kTextMargin = 1;

private:
    QString text_;
    int maxLength_ = 0;
    bool concealed_ = false;
};
