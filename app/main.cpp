// Römische Zahlen: start-up. Loads the exercise window and runs until the
// program is ended through "Ende" or a window's frame.

#include "identity.h"
#include "numeral.h"
#include "program.h"
#include "randomsource.h"
#include "timeofday.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    IdentifyProgram();
    QApplication::setQuitOnLastWindowClosed(false);

    TimerSeededRandom random;
    SystemTimeOfDay clock;
    NumeralEngine engine(random, clock);
    Program program(engine, &Program::LeaveEventLoop);
    program.ShowExercise();
    return QApplication::exec();
}
