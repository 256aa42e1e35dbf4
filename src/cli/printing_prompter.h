#pragma once
// Message boxes for the batch simulator: each box becomes one output line, and every
// confirmation is answered with OK.
#include <ostream>

#include "engine/messages.h"

namespace toviran::sim {

class PrintingPrompter final : public Prompter {
  public:
    explicit PrintingPrompter(std::ostream& out) : out_(out) {}
    bool Show(const Message& message) override;

  private:
    std::ostream& out_;
};

}  // namespace toviran::sim
