#pragma once

#include <functional>
#include <vector>

#include "platform/StatusItemBackend.h"

namespace tavelo {

class AppModel;

// The panel's commands as a menu, for hosts that show a menu of their own: the panel
// itself first, then the commands with the panel's words and enabled states.
class StatusHostMenu {
public:
    StatusHostMenu(AppModel &model, std::function<void()> openPanel);

    // The entries for the state the model is in now.
    std::vector<StatusItemBackend::MenuEntry> entries() const;
    // Carries out the entry with this id; an id from an older menu is ignored or re-checked.
    void choose(int id);

private:
    AppModel &m_model;
    std::function<void()> m_openPanel;
};

} // namespace tavelo
