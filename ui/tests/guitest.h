#pragma once

// Clicking through the real windows. Qt delivers a synthetic click to a
// hidden or disabled button too; a learner cannot, so neither may a test.

#include <QAbstractButton>
#include <QTest>

inline bool Clickable(const QAbstractButton *button)
{
    return button && button->isVisible() && button->isEnabled() && button->window()->isEnabled();
}

#define RZ_CLICK(button)                                                                        \
    do {                                                                                        \
        QAbstractButton *rzButton_ = (button);                                                  \
        QVERIFY2(Clickable(rzButton_),                                                          \
                 qPrintable(QStringLiteral("cannot click %1: hidden or disabled")               \
                                .arg(rzButton_ ? rzButton_->objectName() : QStringLiteral("?")))); \
        QTest::mouseClick(rzButton_, Qt::LeftButton, Qt::NoModifier,                           \
                          rzButton_->rect().center());                                          \
    } while (false)
