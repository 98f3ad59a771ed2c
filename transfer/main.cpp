#include "platform/RunningPrograms.h"
#include "transfer/DataCarryApp.h"

int main(int argc, char** argv) {
    vessant::transfer::CDataCarryApp app(vessant::platform::FindRunningProgram);
    return app.Run(argc, argv);
}
