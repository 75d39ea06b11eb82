#pragma once

#include "platform/MessageBoxService.h"

namespace aerolap {

/// Message boxes as modal QMessageBoxes over the active window. A request without a title
/// carries the application title.
class QtMessageBoxService final : public MessageBoxService {
public:
    static constexpr const char* kApplicationTitle = "Aerolap";

    MessageAnswer show(const MessageBoxRequest& request) override;
};

} // namespace aerolap
