// The set-up step of the README (see MQSetup.h).

#include "setup/MQSetup.h"
#include "setup/SetupExtension.h"

int main(int argc, char** argv) {
    return RunSetup(std::vector<std::string>(argv + 1, argv + argc),
                    SetupExtension::BesideProgram());
}
