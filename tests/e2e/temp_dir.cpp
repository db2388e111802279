#include "temp_dir.h"

#include <cstdlib>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace glint::e2e {

TempDir::TempDir(const std::string& prefix)
{
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + ".XXXXXX")).string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data()))
        throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
    path_ = buffer.data();
}

TempDir::~TempDir()
{
    // A test may leave files without write permission or a named pipe behind;
    // remove_all copes with both, and a failure here must not mask the test's.
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace glint::e2e
