#include "settings/RegistryStore.h"
#include "settings/posix/FileHiveRegistry.h"

std::unique_ptr<RegistryBackend> CreatePlatformRegistry() {
    return std::make_unique<FileHiveRegistry>(FileHiveRegistry::DefaultPath(),
                                              std::string("HKEY_CURRENT_USER\\") + kApplicationKeyPath);
}
