#include "kernel/module_table.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <cctype>
#include <climits>
#include <cstdlib>
#include <strings.h>

namespace win32::kernel {
namespace {

struct LoadedObject {
    HMODULE base;
    std::string path;
};

std::string ExecutablePath() {
    char buffer[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return {};
    return std::string(buffer, static_cast<std::size_t>(length));
}

std::string AbsolutePath(const char *path) {
    char resolved[PATH_MAX];
    if (path && realpath(path, resolved))
        return resolved;
    return path ? path : "";
}

// Every object of the process in load order; the executable comes first. An object's base is
// the mapping start that dladdr reports, found through its program headers, which lie inside it.
std::vector<LoadedObject> LoadedObjects() {
    std::vector<LoadedObject> objects;
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *context) -> int {
            auto &list = *static_cast<std::vector<LoadedObject> *>(context);
            Dl_info dl{};
            if (!dladdr(info->dlpi_phdr, &dl) || !dl.dli_fbase)
                return 0;
            bool executable = list.empty();
            std::string path = executable ? ExecutablePath() : AbsolutePath(info->dlpi_name);
            list.push_back({static_cast<HMODULE>(dl.dli_fbase), std::move(path)});
            return 0;
        },
        &objects);
    return objects;
}

bool EndsWithIgnoreCase(const std::string &text, const char *suffix) {
    std::size_t length = std::char_traits<char>::length(suffix);
    return text.size() >= length && strcasecmp(text.c_str() + text.size() - length, suffix) == 0;
}

std::string BaseName(const std::string &path) { return path.substr(path.find_last_of('/') + 1); }

} // namespace

HMODULE ExecutableModule() {
    static const HMODULE module = [] {
        std::vector<LoadedObject> objects = LoadedObjects();
        return objects.empty() ? HMODULE(nullptr) : objects.front().base;
    }();
    return module;
}

HMODULE OwnModule() { return ModuleContaining(reinterpret_cast<const void *>(&OwnModule)); }

HMODULE ModuleContaining(const void *address) {
    Dl_info info{};
    if (!address || !dladdr(address, &info))
        return nullptr;
    return static_cast<HMODULE>(info.dli_fbase);
}

bool IsModule(HMODULE module) { return module && ModuleContaining(module) == module; }

std::string ModulePath(HMODULE module) {
    if (!IsModule(module))
        return {};
    if (module == ExecutableModule())
        return ExecutablePath();
    Dl_info info{};
    dladdr(module, &info);
    return AbsolutePath(info.dli_fname);
}

bool IsSystemModuleName(const char *name) {
    static const char *const kSystemNames[] = {"user32", "gdi32", "kernel32", "comdlg32", "ole32", "oleaut32",
                                               "comctl32"};
    std::string stem = name;
    if (EndsWithIgnoreCase(stem, ".dll"))
        stem.resize(stem.size() - 4);
    for (const char *system : kSystemNames) {
        if (strcasecmp(stem.c_str(), system) == 0)
            return true;
    }
    return false;
}

std::vector<std::string> ModuleFileCandidates(const std::string &name) {
    std::vector<std::string> candidates{name};
    std::size_t slash = name.find_last_of('/');
    std::string directory = slash == std::string::npos ? "" : name.substr(0, slash + 1);
    std::string file = name.substr(directory.size());
    std::string stem;
    if (EndsWithIgnoreCase(file, ".dll"))
        stem = file.substr(0, file.size() - 4);
    else if (file.find('.') == std::string::npos)
        stem = file;
    if (!stem.empty()) {
        // Module names are case-insensitive; shared objects are conventionally lowercase.
        std::string lower = stem;
        for (char &ch : lower)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        candidates.push_back(directory + "lib" + stem + ".so");
        if (lower != stem)
            candidates.push_back(directory + "lib" + lower + ".so");
    }
    return candidates;
}

HMODULE FindLoadedModule(const char *name) {
    if (!name || !*name)
        return nullptr;
    if (IsSystemModuleName(name))
        return OwnModule();
    std::vector<LoadedObject> objects = LoadedObjects();
    for (const std::string &candidate : ModuleFileCandidates(name)) {
        bool byPath = candidate.find('/') != std::string::npos;
        std::string wanted = byPath ? AbsolutePath(candidate.c_str()) : candidate;
        for (const LoadedObject &object : objects) {
            const std::string compared = byPath ? object.path : BaseName(object.path);
            if (!compared.empty() && strcasecmp(compared.c_str(), wanted.c_str()) == 0)
                return object.base;
        }
    }
    return nullptr;
}

} // namespace win32::kernel
