#pragma once

#include <optional>
#include <string>

#include "platform/BundleInfo.h"

namespace tavelo::test {

class FakeBundleInfo final : public BundleInfo {
public:
    bool installed = true;
    std::string bundleIdentifier = "com.tavelo.app";
    std::optional<std::string> version = std::string("0.2.0");
    std::optional<std::string> feedUrl;

    bool isInstalled() const override { return installed; }
    std::string identifier() const override { return bundleIdentifier; }
    std::optional<std::string> shortVersion() const override { return version; }
    std::optional<std::string> updateFeedUrl() const override { return feedUrl; }
};

} // namespace tavelo::test
