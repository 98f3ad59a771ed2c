#include "Clock.h"

#include <chrono>
#include <ctime>
#include <memory>
#include <mutex>

namespace vessant::platform {
namespace {

std::mutex g_providerLock;
std::shared_ptr<const std::function<LOCAL_TIME()>> g_provider;

LOCAL_TIME SystemNow() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(
                            now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    return LOCAL_TIME{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                      local.tm_hour,        local.tm_min,     local.tm_sec,
                      static_cast<int>(millis)};
}

} // namespace

LOCAL_TIME Now() {
    std::shared_ptr<const std::function<LOCAL_TIME()>> provider;
    {
        std::lock_guard lock(g_providerLock);
        provider = g_provider;
    }
    return provider ? (*provider)() : SystemNow();
}

void SetNowProvider(std::function<LOCAL_TIME()> provider) {
    auto next = provider ? std::make_shared<const std::function<LOCAL_TIME()>>(std::move(provider))
                         : nullptr;
    std::lock_guard lock(g_providerLock);
    g_provider = std::move(next);
}

} // namespace vessant::platform
