#include "core/machine.h"

namespace glint {

void Machine::playSound(std::string_view name, int32_t flags)
{
    if (!soundOn)
        return;
    platform_.startSound(paths_.sound + std::string(name), flags);
}

void Machine::stopSound()
{
    platform_.silence();
}

} // namespace glint
