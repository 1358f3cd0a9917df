#include "Translate.h"

#include <memory>

namespace nv {

namespace {
std::mutex hookMutex;
std::shared_ptr<const TranslateHook> hook;  // guarded by hookMutex
std::atomic<unsigned> generation{0};
}  // namespace

std::string Translate(const char* context, const char* text) {
    std::shared_ptr<const TranslateHook> h;
    {
        std::lock_guard<std::mutex> lock(hookMutex);
        h = hook;
    }
    return h && *h ? (*h)(context, text) : std::string(text);
}

void setTranslateHook(TranslateHook h) {
    {
        std::lock_guard<std::mutex> lock(hookMutex);
        hook = h ? std::make_shared<const TranslateHook>(std::move(h)) : nullptr;
    }
    generation.fetch_add(1, std::memory_order_release);
}

unsigned translationGeneration() { return generation.load(std::memory_order_acquire); }

}  // namespace nv
