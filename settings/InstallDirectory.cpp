// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/InstallDirectory.h"
#include "platform/FolderListing.h"
#include "platform/Paths.h"
#include "platform/ProgramPath.h"
#include "settings/RegistryStore.h"

namespace {
const char* const kInstallPathValue = "InstallPath";
constexpr std::size_t kMaxInstallPathLength = 255;

MachineInstallSources& Overridden() {
    static MachineInstallSources sources;
    return sources;
}

bool Usable(const std::string& path) { return !path.empty() && path.size() <= kMaxInstallPathLength; }

std::string MachineInstallPath(const MachineInstallSources& sources) {
    std::unique_ptr<RegistryBackend> machine = sources.openRegistry ? sources.openRegistry() : nullptr;
    if (!machine || !machine->OpenApplicationKey()) return std::string();
    RegistryStore store(std::move(machine));
    return store.ReadString("", kInstallPathValue, "");
}
}  // namespace

void SetMachineInstallSources(MachineInstallSources sources) { Overridden() = std::move(sources); }

std::string GetInstallDirectory() {
    if (RegistryStore* store = RegistryStore::Instance()) {
        const std::string path = store->ReadString("", kInstallPathValue, "");
        if (Usable(path)) return path;
    }
    const MachineInstallSources& overridden = Overridden();
    const MachineInstallSources sources =
        overridden.openRegistry || !overridden.dataFolders.empty() ? overridden : PlatformInstallSources();
    const std::string machinePath = MachineInstallPath(sources);
    if (Usable(machinePath)) return machinePath;
    for (const std::string& folder : sources.dataFolders)
        if (FolderExists(folder + kPaletteFolderName)) return folder;
    return GetProgramDirectory();
}
