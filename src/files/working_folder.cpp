#include "files/working_folder.h"

#include <unistd.h>

bool ChangeWorkingFolderToFileOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return true;  // already relative to the working folder
    const std::string folder = slash == 0 ? "/" : path.substr(0, slash);
    return ::chdir(folder.c_str()) == 0;
}

std::string AbsolutePath(const std::string& path)
{
    if (!path.empty() && path[0] == '/') return path;
    char buffer[4096];
    if (::getcwd(buffer, sizeof buffer) == nullptr) return path;
    return std::string(buffer) + "/" + path;
}
