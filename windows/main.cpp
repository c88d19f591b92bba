#include "error_report.h"
#include "program.h"
#include "startup.h"

#include <QElapsedTimer>

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    vorn::win::prepareEnvironment();
    vorn::win::Application app(argc, argv);
    try {
        vorn::win::Program program;
        vorn::win::installDeveloperSwitches(program, sinceStart);
        program.start();
        return app.exec();
    } catch (const std::exception& e) {
        // Only the creation of the windows gets here (no program folder).
        std::fprintf(stderr, "VORNscript: %s\n", e.what());
        return 1;
    }
}
