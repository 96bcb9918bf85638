// SPDX-License-Identifier: GPL-2.0-or-later
// The passwords the change-password dialog takes, over a store in memory.
#include "config/PasswordRules.h"
#include "settings/MemoryRegistry.h"
#include "settings/RegistryStore.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {
// Stores text as a double-byte code page's conversion does: a lead byte 0x81
// with no byte after it is lost.
class LeadByteLosingRegistry : public MemoryRegistry {
public:
    bool SetValue(const std::string& key, const std::string& name, const RegistryValue& value) override {
        RegistryValue kept = value;
        const std::size_t size = kept.data.size();
        if (kept.type == RegistryType::String && size >= 2 && kept.data[size - 2] == 0x81)
            kept.data.erase(kept.data.end() - 2);
        return MemoryRegistry::SetValue(key, name, kept);
    }
};

class PasswordRules : public testing::Test {
protected:
    // The process's store, over a fresh backend of the given kind.
    template <class Backend>
    MemoryRegistry& Use() {
        RegistryStore::SetBackendFactory([] { return std::make_unique<Backend>(); });
        return static_cast<MemoryRegistry&>(RegistryStore::Instance()->Backend());
    }
    void TearDown() override { RegistryStore::SetBackendFactory(nullptr); }
};
}  // namespace

TEST_F(PasswordRules, MatchingStorablePasswordsAreTakenAndTheRestRefused) {
    MemoryRegistry& registry = Use<MemoryRegistry>();
    EXPECT_EQ(PasswordRefusal("ember", "ember"), nullptr);
    EXPECT_EQ(PasswordRefusal("", ""), nullptr) << "no password";
    EXPECT_STREQ(PasswordRefusal("ember", "Ember"),
                 "The new and confirmed passwords do not match. Please type them again.");
    // '\xa7' scrambles to a zero byte at the first position.
    EXPECT_STREQ(PasswordRefusal("\xa7x", "\xa7x"),
                 "This password contains a character that cannot be stored. Please choose another one.");
    EXPECT_EQ(registry.Root().subkeys.size(), 0u) << "the tried password left a key behind";
}

TEST_F(PasswordRules, APasswordTheStoreDoesNotGiveBackIsRefused) {
    MemoryRegistry& registry = Use<LeadByteLosingRegistry>();
    // "ab" scrambles to C6 81: the 81 is lost on the way in.
    const char* refusal = PasswordRefusal("ab", "ab");
    ASSERT_NE(refusal, nullptr);
    EXPECT_NE(std::string(refusal).find("would not be read back as typed"), std::string::npos) << refusal;
    EXPECT_EQ(PasswordRefusal("ember", "ember"), nullptr);
    EXPECT_EQ(PasswordRefusal("abc", "abc"), nullptr) << "C6 81 FF: the lead byte has its second byte";
    EXPECT_EQ(registry.Root().subkeys.size(), 0u) << "the tried password left a key behind";
}
