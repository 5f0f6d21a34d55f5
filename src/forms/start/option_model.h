#pragma once
// The main window's option controls without a window: an option set plus the enabled flags
// of every named control, with the click rules running on each change as they do on screen.

#include <map>
#include <string>

#include "rules.h"

namespace kestro {

class OptionModel final : public OptionControls {
public:
    OptionModel();  // the main window's start-up state

    OptionValue value(std::string_view control) const override;
    void setValue(std::string_view control, const OptionValue& value) override;
    bool isEnabled(std::string_view control) const override;
    void setEnabled(std::string_view control, bool enabled) override;

    const OptionSet& options() const { return options_; }

private:
    OptionSet options_;
    std::map<std::string, bool, std::less<>> enabled_;  // only controls that have been touched
};

}  // namespace kestro
