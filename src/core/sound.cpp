#include "core/machine.h"

namespace glint {

void Machine::playSound(const std::string& name, int32_t flags)
{
    if (!soundOn)
        return;
    platform_.startSound(paths_.sound + name, flags);
}

void Machine::stopSound()
{
    platform_.silence();
}

} // namespace glint
