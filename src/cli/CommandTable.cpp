#include "CliCommand.h"
#include "Commands.h"

namespace numora {

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands = {
    };
    return commands;
}

}  // namespace numora
