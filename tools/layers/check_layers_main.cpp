// check_layers SRC: fails, naming file and line, when a file of SRC includes a layer above its own.
#include "layers/layer_rules.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "Usage: check_layers SRC_FOLDER\n";
        return 2;
    }
    const auto violations = korvane::layers::FindViolations(argv[1]);
    for (const auto& violation : violations)
        std::cerr << "src/" << korvane::layers::Describe(violation) << '\n';
    return violations.empty() ? 0 : 1;
}
