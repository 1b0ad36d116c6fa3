#include "optionbutton.h"

OptionButton::OptionButton(QWidget *parent) : QRadioButton(parent)
{
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked)
            Q_EMIT Click();
    });
}
