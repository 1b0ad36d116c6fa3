#include "form2.h"

#include "form1.h"
#include "textbox.h"
#include "twips.h"
#include "windowhost.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {

QPushButton *Button(QWidget *parent, const char *name, const QString &caption, int left, int top)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(TwipsRect(left, top, 1575, 375));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

} // namespace

Form2::Form2(WindowHost &host) : host_(host)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Mathematik in der ZEL:"));
    // The name screen readers give the window.
    setAccessibleName(QStringLiteral("Römische Zahlen – Spiel verloren"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(StandardFont());
    setGeometry(TwipsRect(5475, 4530, 4680, 1635));
    setFixedSize(TwipsRect(0, 0, 4680, 1635).size());

    Label1 = new QLabel(QStringLiteral("Du hast leider verloren!"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(TwipsRect(240, 120, 4335, 495));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setFont(LayoutFont(QStringLiteral("MS Sans Serif"), 18, true, true));
    Command1 = Button(this, "Command1", QStringLiteral("Neues Spiel"), 120, 960);
    Command2 = Button(this, "Command2", QStringLiteral("Ende"), 3000, 960);
    Label1->lower();
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
}

void Form2::Command1_Click()
{
    hide();
    // Loads the exercise window anew; its Form_Load has run on return.
    Form1 &exercise = host_.ShowExercise();
    exercise.Text4->setText(QStringLiteral("50"));
    exercise.Text5->setText(QString());
    exercise.Text6->setText(QString());
    exercise.setEnabled(true);
    exercise.activateWindow();
    exercise.raise();
}

void Form2::Command2_Click()
{
    host_.EndProgram();
}

void Form2::closeEvent(QCloseEvent *event)
{
    // Closing this window through its frame ends the program.
    event->accept();
    host_.EndProgram();
}
