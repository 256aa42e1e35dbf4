#include "cli/printing_prompter.h"

#include "cli/output_format.h"

namespace toviran::sim {

bool PrintingPrompter::Show(const Message& message) {
    out_ << MessageLine(message) << '\n';
    return true;
}

}  // namespace toviran::sim
