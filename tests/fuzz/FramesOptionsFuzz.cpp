// SPDX-License-Identifier: GPL-2.0-or-later
// emberlux-frames' command line: any words (split at zero bytes) end in a
// run within its limits or in a reason. Settings load from a store in memory.
#include "settings/MemoryRegistry.h"
#include "settings/RegistryStore.h"
#include "tools/frames/FramesOptions.h"

#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool inMemory = [] {
        RegistryStore::SetBackendFactory([] { return std::make_unique<MemoryRegistry>(); });
        return true;
    }();
    (void)inMemory;
    std::vector<std::string> words{"emberlux-frames"};
    std::string word;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i]) {
            word += static_cast<char>(data[i]);
        } else {
            words.push_back(word);
            word.clear();
        }
    }
    words.push_back(word);
    std::vector<const char*> argv;
    for (const std::string& w : words) argv.push_back(w.c_str());
    FramesOptions options;
    std::string error;
    if (ParseFramesArguments(static_cast<int>(argv.size()), argv.data(), options, error)) {
        if (options.width < 1 || options.width > kMaxFrameSide || options.height < 1 ||
            options.height > kMaxFrameSide || options.frames < 0)
            std::abort();
    } else if (error.empty()) {
        std::abort();
    }
    return 0;
}
