// The per-user state folder.
#include "common/core/state_folder.h"

namespace vexmoor {

std::string StateLogFolder(std::string_view xdgStateHome, std::string_view home)
{
    std::string folder;
    if (!xdgStateHome.empty() && xdgStateHome.front() == '/')
        folder = xdgStateHome;
    else if (!home.empty() && home.front() == '/')
        folder = std::string(home).append(home.back() == '/' ? "" : "/").append(".local/state");
    else
        return {};
    if (folder.back() != '/')
        folder.push_back('/');
    return folder.append("quenbry-vexmoor");
}

} // namespace vexmoor
